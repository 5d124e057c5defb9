#include "input/middle_click.h"

#include <cstdlib>

#include "camera/drag_operations.h"
#include "camera/view_commands.h"
#include "host/host.h"
#include "input/camera_drag.h"
#include "input/drag_capture.h"
#include "input/hook_system_calls.h"
#include "input/perspective_pane.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

bool MiddleButtonDown()
{
    return (HookSystem.getAsyncKeyState(VK_MBUTTON) & 0x8000) != 0;
}

// The system's own rule: a second click counts when it lies less than half
// the double-click width and height from the first.
bool OutsideDoubleClickRectangle(int x, int y)
{
    return std::abs(x - SessionState.FirstClickX) >= HookSystem.getSystemMetrics(SM_CXDOUBLECLK) / 2 ||
           std::abs(y - SessionState.FirstClickY) >= HookSystem.getSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// Starts the wait for a second click of the press at (x, y).
void StartDoubleClickTimer(int x, int y)
{
    // A first click still waiting is stopped, not replaced: a replacement the
    // system refuses would leave it ticking with no one to take its messages.
    StopDoubleClickTimer();
    // Whatever the system answers besides zero, the timer's messages carry
    // the identifier asked for.
    const UINT_PTR started = HookSystem.setTimer(SessionState.FigureWindow, DoubleClickTimerId,
                                                 HookSystem.getDoubleClickTime(), nullptr);
    SessionState.MiddleTimerId = started != 0 ? static_cast<uint32_t>(DoubleClickTimerId) : 0;
    SessionState.FirstClickX = x;
    SessionState.FirstClickY = y;
}

int32_t DoubleClickSetting(uint16_t keys)
{
    if (keys & MK_CONTROL)
        return PluginSettings.Option12;
    if (keys & MK_SHIFT)
        return PluginSettings.Option13;
    return PluginSettings.Option11;
}

// The double click's command: Option12 (Ctrl), Option13 (Shift) or Option11.
void RunDoubleClickCommand(uint16_t keys)
{
    if (SessionState.App == nullptr)
        return;
    const Scene scene = Scene::Of(*SessionState.App);
    switch (DoubleClickSetting(keys)) {
    case 0:
        FitDrawing(scene);
        break;
    case 1:
        ScrollToSelection(scene);
        break;
    default:
        ScrollToOrigin(scene);
        break;
    }
}

}  // namespace

Ending OnMiddleDown(const MSG& message)
{
    ForgetOrbitPivot();
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Pass;
    SessionState.PressedInPerspective = CursorInPerspectivePane();
    if (CameraCondition()) {
        // CameraMode's press: a first click waiting in another pane cannot
        // take it, nor its moves, for the second.
        StopDoubleClickTimer();
        TakeCameraPress(MK_MBUTTON, Keys(message.wParam));
        return Ending::Consume;
    }
    if (!LatchActs(SessionState.MiddleLatch))
        return Ending::Consume;
    // As the system counts a double click: a second press within the time
    // and inside the rectangle around the first; any other press is a first.
    // The system's own double-click message is a second press as well.
    if (SessionState.MiddleTimerId != 0 && !OutsideDoubleClickRectangle(X(message.lParam), Y(message.lParam))) {
        StopDoubleClickTimer();
        Act([&] { RunDoubleClickCommand(Keys(message.wParam)); });
    } else {
        StartDoubleClickTimer(X(message.lParam), Y(message.lParam));
    }
    return Ending::Consume;
}

Ending OnMiddleUp(const MSG& message, bool removed)
{
    // Let go over any window of the thread, in either mode, on any delivery:
    // what the pan pressed is released now, and its end told once.
    const bool panEnded = ReleaseMiddlePan(X(message.lParam), Y(message.lParam));
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Pass;
    // Every middle press over the figure window was the plug-in's, so is its
    // release: CameraMode's without the latch.
    if (EndCameraDragButton(MK_MBUTTON, Keys(message.wParam), removed) || DragCondition())
        return Ending::Consume;
    if (LatchActs(SessionState.MiddleLatch) && !panEnded)
        Act([&] { EndMiddlePan(X(message.lParam), Y(message.lParam)); });
    return Ending::Consume;
}

Ending OnFigureTimer(const MSG& message)
{
    if (message.wParam == PanPollTimerId) {
        PollMiddlePan();
        return Ending::Consume;
    }
    // Zero is no pending timer: a timer of the host's own must stay untouched.
    if (SessionState.MiddleTimerId == 0 || message.wParam != SessionState.MiddleTimerId)
        return Ending::Pass;
    // The wait for a second click is over, whatever the pointer's pane.
    StopDoubleClickTimer();
    if (CameraCondition())
        return Ending::Pass;
    if (MiddleButtonDown())
        BeginMiddlePan(X(message.lParam), Y(message.lParam));
    else
        ReleaseMiddlePan(X(message.lParam), Y(message.lParam));
    return Ending::Keep;
}

bool IsMiddleButtonMove(const MSG& message)
{
    return !InCameraMode() || (SessionState.MiddleTimerId != 0 && message.wParam == MK_MBUTTON);
}

Ending OnMiddleMove(const MSG& message)
{
    if (message.wParam != MK_MBUTTON)
        return Ending::Pass;
    // The pointer follows the hand; the host sees no middle drag. Once the
    // pointer has left the double-click rectangle, the press can no longer
    // become a double click: the pan begins without waiting for the timer.
    // Nothing is simulated over the pane that CameraMode drives. After a
    // flick the button may be up by now, its release queued behind the
    // move: that release ends the pan the move begins.
    const int x = X(message.lParam);
    const int y = Y(message.lParam);
    if (SessionState.MiddleTimerId != 0 && OutsideDoubleClickRectangle(x, y)) {
        StopDoubleClickTimer();
        if ((MiddleButtonDown() || ButtonMessageQueued()) && !CameraCondition())
            BeginMiddlePan(x, y);
    }
    return Ending::Consume;
}

void StopDoubleClickTimer()
{
    if (SessionState.MiddleTimerId == 0)
        return;
    HookSystem.killTimer(SessionState.FigureWindow, SessionState.MiddleTimerId);
    SessionState.MiddleTimerId = 0;
}
