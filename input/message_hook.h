#pragma once

#include <windows.h>

// The WH_GETMESSAGE hook on the host's user-interface thread. It sees every
// message the thread retrieves or peeks at, before the host dispatches it, and
// either passes it on unchanged, keeps it for the host after acting on it, or
// acts and blanks it to WM_NULL. Only sixteen message numbers are looked at,
// besides the keys that an open configuration dialog handles and that are then
// blanked; every other message leaves at once.
LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam);
