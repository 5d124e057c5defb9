#include "input/hook_system_calls.h"

#include "host/window_dpi.h"

HookSystemCalls User32HookSystemCalls()
{
    HookSystemCalls calls;
    calls.callNextHook = CallNextHookEx;
    calls.setTimer = SetTimer;
    calls.killTimer = KillTimer;
    calls.getDoubleClickTime = GetDoubleClickTime;
    calls.getAsyncKeyState = GetAsyncKeyState;
    calls.getKeyState = GetKeyState;
    calls.keybdEvent = keybd_event;
    calls.mouseEvent = mouse_event;
    calls.setCursor = SetCursor;
    calls.windowFromPoint = WindowFromPoint;
    calls.findWindow = FindWindowA;
    calls.postMessage = PostMessageA;
    calls.getCursorPos = GetCursorPos;
    calls.getSystemMetrics = GetSystemMetrics;
    calls.getQueueStatus = GetQueueStatus;
    calls.setFocus = SetFocus;
    calls.setCapture = SetCapture;
    calls.releaseCapture = ReleaseCapture;
    calls.getCapture = GetCapture;
    calls.getMessageExtraInfo = GetMessageExtraInfo;
    calls.windowDpi = WindowDpi;
    return calls;
}

HookSystemCalls HookSystem = User32HookSystemCalls();
