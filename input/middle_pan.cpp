#include "input/middle_pan.h"

#include <cstdint>

#include "input/drag_capture.h"
#include "input/hook_system_calls.h"
#include "input/middle_click.h"
#include "state/session_state.h"

namespace {

constexpr UINT PanEndedNotification = WM_APP + 1;
const char SiblingWindowCaption[] = "Z_Tarnhollow";
// Short enough that a release the hook never sees ends the pan before the
// user's next gesture; the key state is read only at this pace, not at
// every move.
constexpr UINT PanPollInterval = 50;
// The extra information the pan's simulated button carries, by which the hook
// knows its messages from the user's wherever they land.
constexpr ULONG_PTR PanInputSignature = 0x5A56504E;

void PlacePanPress(MSG& press, bool removed)
{
    const LPARAM pointer = press.lParam;
    // The screen point moves with the client one: a host may read either.
    press.pt.x += SessionState.FirstClickX - static_cast<int16_t>(LOWORD(pointer));
    press.pt.y += SessionState.FirstClickY - static_cast<int16_t>(HIWORD(pointer));
    press.lParam = MAKELPARAM(SessionState.FirstClickX, SessionState.FirstClickY);
    if (!removed)
        return;
    SessionState.PanPressAwaited = 0;
    // Posted, the move comes next, before any input still queued: after a
    // flick the release is, and the host's pan must reach the pointer first.
    if (pointer != press.lParam)
        HookSystem.postMessage(press.hwnd, WM_MOUSEMOVE, press.wParam, pointer);
}

void TellSiblingPanEnded()
{
    if (HWND sibling = HookSystem.findWindow(nullptr, SiblingWindowCaption))
        HookSystem.postMessage(sibling, PanEndedNotification, 0, 0);
}

}  // namespace

void BeginMiddlePan(int x, int y)
{
    StopDoubleClickTimer();
    if (SessionState.PanPressed != 0)
        return;
    SessionState.PanPressed = 1;
    // A middle press the hook took never moved the keyboard, as a click into
    // the view would have.
    HookSystem.setFocus(SessionState.FigureWindow);
    HookSystem.keybdEvent(VK_SPACE, 0, 0, 0);
    SessionState.SavedCursor = HookSystem.setCursor(SessionState.PanCursor);
    // The figure window holds the mouse from the press on: the press reaches
    // it wherever the pointer is by now, and no other window is clicked.
    HoldMouseForFigure(SessionState.PanCaptured);
    // Injected button flags name the physical button; the release names the
    // same one, whatever the setting is by then.
    SessionState.PanButtonsSwapped = HookSystem.getSystemMetrics(SM_SWAPBUTTON) != 0;
    HookSystem.mouseEvent(SessionState.PanButtonsSwapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
                          static_cast<DWORD>(x), static_cast<DWORD>(y), 0, PanInputSignature);
    SessionState.PanPressAwaited = 1;
    HookSystem.setTimer(SessionState.FigureWindow, PanPollTimerId, PanPollInterval, nullptr);
}

bool IsPanInput()
{
    return HookSystem.getMessageExtraInfo() == static_cast<LPARAM>(PanInputSignature);
}

Ending OnPanInput(MSG& message, bool removed)
{
    const bool press = message.message != WM_LBUTTONUP && message.message != WM_RBUTTONUP;
    if (!press && removed)
        LetGoOfFigureMouse(SessionState.PanCaptured);
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Consume;
    if (press)
        PlacePanPress(message, removed);
    return Ending::Pass;
}

bool ReleaseMiddlePan(int x, int y)
{
    if (SessionState.PanPressed == 0)
        return false;
    SessionState.PanPressed = 0;
    HookSystem.killTimer(SessionState.FigureWindow, PanPollTimerId);
    HookSystem.mouseEvent(SessionState.PanButtonsSwapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP,
                          static_cast<DWORD>(x), static_cast<DWORD>(y), 0, PanInputSignature);
    // A press neither come nor on its way is waited for no more, and the mouse
    // it would have held goes free; otherwise the release frees it after the
    // host's press, which it follows.
    if (SessionState.PanPressAwaited != 0 && !ButtonMessageQueued()) {
        SessionState.PanPressAwaited = 0;
        LetGoOfFigureMouse(SessionState.PanCaptured);
    }
    HookSystem.keybdEvent(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    HookSystem.setCursor(SessionState.SavedCursor);
    TellSiblingPanEnded();
    return true;
}

void EndMiddlePan(int x, int y)
{
    if (!ReleaseMiddlePan(x, y))
        TellSiblingPanEnded();
}

void PollMiddlePan()
{
    if ((HookSystem.getAsyncKeyState(VK_MBUTTON) & 0x8000) != 0)
        return;
    // A release still in the thread's queue is the hook's to take, and its
    // acting delivery tells the sibling once; the poll is for the release
    // the hook never sees.
    if (!ButtonMessageQueued())
        ReleaseMiddlePan(0, 0);
}

bool ButtonMessageQueued()
{
    return (HIWORD(HookSystem.getQueueStatus(QS_MOUSEBUTTON)) & QS_MOUSEBUTTON) != 0;
}
