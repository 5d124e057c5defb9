#pragma once

#include <windows.h>

// Installs MessageHook for the thread that owns `window`, and for that thread
// only. Without a window there is no thread to hook: a thread id of 0 would
// hook every thread on the desktop, so nothing is installed then.
void InstallMessageHook(HWND window);

// Unhooks the message hook when one was installed; the handle keeps its value.
void RemoveMessageHook();
