#pragma once

#include <windows.h>

// The WH_GETMESSAGE hook on the host's user-interface thread. It sees every
// message before the host dispatches it and hands each one on to the next hook.
LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam);
