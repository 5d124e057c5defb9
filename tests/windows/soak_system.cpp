#include "tests/windows/soak_system.h"

#include "input/hook_system_calls.h"

SoakSystemRecord SoakSystem;

namespace {

LRESULT CallNext(HHOOK, int, WPARAM, LPARAM)
{
    ++SoakSystem.passes;
    return SoakSystem.nextHookResult;
}

UINT_PTR SetTimerStandIn(HWND, UINT_PTR, UINT, TIMERPROC)
{
    ++SoakSystem.timersSet;
    SoakSystem.timerPending = SoakSystem.timerPending || SoakSystem.timerAnswer != 0;
    return SoakSystem.timerAnswer;
}

BOOL KillTimerStandIn(HWND, UINT_PTR)
{
    ++SoakSystem.timersKilled;
    SoakSystem.timerPending = false;
    return TRUE;
}

UINT DoubleClickTime()
{
    return 500;
}

SHORT AsyncKeyState(int key)
{
    return key == VK_MBUTTON ? SoakSystem.middleButton : 0;
}

void KeybdEvent(BYTE key, BYTE, DWORD flags, ULONG_PTR)
{
    ++SoakSystem.simulatedInput;
    if (key == VK_SPACE)
        ++((flags & KEYEVENTF_KEYUP) ? SoakSystem.spaceReleases : SoakSystem.spacePresses);
}

void MouseEvent(DWORD flags, DWORD, DWORD, DWORD, ULONG_PTR)
{
    ++SoakSystem.simulatedInput;
    SoakSystem.leftPresses += (flags & MOUSEEVENTF_LEFTDOWN) != 0;
    SoakSystem.leftReleases += (flags & MOUSEEVENTF_LEFTUP) != 0;
    SoakSystem.pointerMotions += (flags & MOUSEEVENTF_MOVE) != 0;
}

HCURSOR SetCursorStandIn(HCURSOR cursor)
{
    ++SoakSystem.cursorsSet;
    const HCURSOR previous = SoakSystem.cursor;
    SoakSystem.cursor = cursor;
    return previous;
}

HWND WindowFromPointStandIn(POINT point)
{
    return PtInRect(&SoakSystem.figureOnScreen, point) ? SoakSystem.figure : SoakSystem.elsewhere;
}

HWND FindWindowStandIn(LPCSTR, LPCSTR)
{
    return SoakSystem.sibling;
}

BOOL PostMessageStandIn(HWND, UINT, WPARAM, LPARAM)
{
    ++SoakSystem.posts;
    return TRUE;
}

BOOL CursorPos(POINT* point)
{
    *point = SoakSystem.pointer;
    return TRUE;
}

int SystemMetrics(int index)
{
    return index == SM_CXDOUBLECLK || index == SM_CYDOUBLECLK ? 4 : 0;
}

}  // namespace

void InstallSoakSystem()
{
    HookSystem.callNextHook = CallNext;
    HookSystem.setTimer = SetTimerStandIn;
    HookSystem.killTimer = KillTimerStandIn;
    HookSystem.getDoubleClickTime = DoubleClickTime;
    HookSystem.getAsyncKeyState = AsyncKeyState;
    HookSystem.keybdEvent = KeybdEvent;
    HookSystem.mouseEvent = MouseEvent;
    HookSystem.setCursor = SetCursorStandIn;
    HookSystem.windowFromPoint = WindowFromPointStandIn;
    HookSystem.findWindow = FindWindowStandIn;
    HookSystem.postMessage = PostMessageStandIn;
    HookSystem.getCursorPos = CursorPos;
    HookSystem.getSystemMetrics = SystemMetrics;
    HookSystem.getMessageExtraInfo = [] { return LPARAM{0}; };  // no message is simulated input
}
