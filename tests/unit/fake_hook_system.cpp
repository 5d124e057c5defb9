#include "tests/support/fake_hook_system.h"
#include "state/session_state.h"

FakeHookSystem* Fake = nullptr;

namespace {

void Record(const char* name, long long a = 0, long long b = 0, long long c = 0, const char* text = "")
{
    Fake->calls.push_back(SystemCall{name, a, b, c, text ? text : ""});
}

LRESULT CallNext(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    Record("CallNextHookEx", code, static_cast<long long>(wParam), static_cast<long long>(lParam));
    return Fake->nextHookResult;
}

UINT_PTR SetTimerFake(HWND window, UINT_PTR id, UINT elapse, TIMERPROC)
{
    Record("SetTimer", reinterpret_cast<long long>(window), static_cast<long long>(id), elapse);
    if (Fake->timerResult != 0)
        Fake->timers.insert(id);
    return Fake->timerResult;
}

BOOL KillTimerFake(HWND window, UINT_PTR id)
{
    Record("KillTimer", reinterpret_cast<long long>(window), static_cast<long long>(id));
    Fake->timers.erase(id);
    return TRUE;
}

UINT DoubleClickTime()
{
    return 432;
}

SHORT AsyncKeyState(int key)
{
    Record("GetAsyncKeyState", key);
    return key == VK_MBUTTON ? Fake->middleButtonState : 0;
}

void KeybdEvent(BYTE key, BYTE scan, DWORD flags, ULONG_PTR)
{
    Record("keybd_event", key, scan, flags);
}

void MouseEvent(DWORD flags, DWORD x, DWORD y, DWORD, ULONG_PTR extra)
{
    Record("mouse_event", flags, static_cast<int>(x), static_cast<int>(y));
    Fake->injectedExtraInfo = static_cast<LPARAM>(extra);
}

HCURSOR SetCursorFake(HCURSOR cursor)
{
    Record("SetCursor", reinterpret_cast<long long>(cursor));
    HCURSOR previous = Fake->currentCursor;
    Fake->currentCursor = cursor;
    return previous;
}

HWND WindowFromPointFake(POINT point)
{
    Record("WindowFromPoint", point.x, point.y);
    Fake->lastWindowFromPoint = point;
    return Fake->windowUnderPointer;
}

HWND FindWindowFake(LPCSTR className, LPCSTR windowName)
{
    Record("FindWindowA", className == nullptr ? 0 : 1, 0, 0, windowName);
    return Fake->sibling;
}

BOOL PostMessageFake(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record("PostMessageA", reinterpret_cast<long long>(window), message, static_cast<long long>(wParam + lParam));
    return TRUE;
}

BOOL CursorPos(POINT* point)
{
    *point = Fake->pointer;
    return TRUE;
}

int SystemMetrics(int index)
{
    if (index == SM_CXDOUBLECLK)
        return Fake->doubleClickRectangle.cx;
    return index == SM_CYDOUBLECLK ? Fake->doubleClickRectangle.cy : index == SM_SWAPBUTTON ? Fake->swapButtons : 0;
}

DWORD QueueStatus(UINT flags)
{
    return Fake->queueStatus & MAKELONG(flags, flags);
}

}  // namespace

int FakeHookSystem::Count(const std::string& name) const
{
    int count = 0;
    for (const SystemCall& call : calls)
        count += call.name == name;
    return count;
}

std::vector<std::string> FakeHookSystem::Sequence() const
{
    std::vector<std::string> sequence;
    for (const SystemCall& call : calls) {
        if (call.name == "GetAsyncKeyState" || call.name == "WindowFromPoint")
            continue;
        sequence.push_back(call.name + "(" + std::to_string(call.a) + "," + std::to_string(call.b) + "," +
                           std::to_string(call.c) + (call.text.empty() ? "" : "," + call.text) + ")");
    }
    return sequence;
}

void InstallFakeHookSystem(FakeHookSystem& fake)
{
    Fake = &fake;
    HookSystem.callNextHook = CallNext;
    HookSystem.setTimer = SetTimerFake;
    HookSystem.killTimer = KillTimerFake;
    HookSystem.getDoubleClickTime = DoubleClickTime;
    HookSystem.getAsyncKeyState = AsyncKeyState;
    HookSystem.getKeyState = [](int key) { return static_cast<SHORT>(Fake->keysDown.count(key) != 0 ? 0x8000 : 0); };
    HookSystem.keybdEvent = KeybdEvent;
    HookSystem.mouseEvent = MouseEvent;
    HookSystem.setCursor = SetCursorFake;
    HookSystem.windowFromPoint = WindowFromPointFake;
    HookSystem.findWindow = FindWindowFake;
    HookSystem.postMessage = PostMessageFake;
    HookSystem.getCursorPos = CursorPos;
    HookSystem.getSystemMetrics = SystemMetrics;
    HookSystem.getQueueStatus = QueueStatus;
    HookSystem.setCapture = [](HWND window) { return Record("SetCapture"), Fake->capture = window, HWND{}; };
    HookSystem.releaseCapture = [] { return Record("ReleaseCapture"), Fake->capture = nullptr, TRUE; };
    HookSystem.getCapture = [] { return Fake->capture; };
    HookSystem.getMessageExtraInfo = [] { return Fake->messageExtraInfo; };
    HookSystem.windowDpi = [](HWND window) { return window == SessionState.FigureWindow ? Fake->figureDpi : 96; };
}

void RestoreUser32HookSystem()
{
    HookSystem = User32HookSystemCalls();
    Fake = nullptr;
}
