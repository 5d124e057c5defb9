#pragma once

// The system calls the message hook and the pane test make, gathered in one
// table that defaults to USER32 and that tests replace to drive every branch
// with synthetic messages.

#include <windows.h>

struct HookSystemCalls {
    LRESULT (*callNextHook)(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
    UINT_PTR (*setTimer)(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
    BOOL (*killTimer)(HWND window, UINT_PTR id);
    UINT (*getDoubleClickTime)();
    SHORT (*getAsyncKeyState)(int key);
    SHORT (*getKeyState)(int key);
    void (*keybdEvent)(BYTE key, BYTE scan, DWORD flags, ULONG_PTR extra);
    void (*mouseEvent)(DWORD flags, DWORD x, DWORD y, DWORD data, ULONG_PTR extra);
    HCURSOR (*setCursor)(HCURSOR cursor);
    HWND (*windowFromPoint)(POINT point);
    HWND (*findWindow)(LPCSTR className, LPCSTR windowName);
    BOOL (*postMessage)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL (*getCursorPos)(POINT* point);
    int (*getSystemMetrics)(int index);
    DWORD (*getQueueStatus)(UINT flags);
    HWND (*setFocus)(HWND window);
    HWND (*setCapture)(HWND window);
    BOOL (*releaseCapture)();
    HWND (*getCapture)();
    LPARAM (*getMessageExtraInfo)();
    int (*windowDpi)(HWND window);
};

extern HookSystemCalls HookSystem;

// The table as USER32 fills it.
HookSystemCalls User32HookSystemCalls();
