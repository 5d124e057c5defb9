#include "input/message_hook.h"

#include "input/camera_drag.h"
#include "input/drag_capture.h"
#include "input/hook_message.h"
#include "input/hook_system_calls.h"
#include "input/middle_click.h"
#include "input/middle_pan.h"
#include "input/mode_key_press.h"
#include "input/perspective_pane.h"
#include "input/wheel.h"
#include "state/mode_key.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "ui/config_dialog.h"

// The dispatcher: each message number goes to the gesture that owns it
// (input/mode_key_press.h, input/middle_click.h, input/camera_drag.h,
// input/wheel.h); moves, which every gesture sees, are shared out here.

namespace {

Ending OnMouseMove(const MSG& message)
{
    const int x = X(message.lParam);
    const int y = Y(message.lParam);
    // A move without the middle button, over any window of the thread: it
    // was let go where the hook never saw its release.
    if (SessionState.PanPressed != 0 && (Keys(message.wParam) & MK_MBUTTON) == 0)
        ReleaseMiddlePan(x, y);
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Pass;
    // Every move over the figure window counts, so that a drag going on across
    // a switch to CameraMode starts where the pointer is.
    const int lastX = SessionState.LastMouseX;
    const int lastY = SessionState.LastMouseY;
    SessionState.LastMouseX = x;
    SessionState.LastMouseY = y;
    // What only a drag or a pan needs comes after the test for a held button;
    // without one, a CameraMode move ends a drag cancelled while its buttons
    // were held.
    const uint16_t keys = Keys(message.wParam);
    if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        if (InCameraMode())
            MoveOfCancelledDrag(keys);
        return Ending::Pass;
    }
    return IsMiddleButtonMove(message) ? OnMiddleMove(message) : OnCameraMove(message, lastX, lastY);
}

Ending Decide(MSG& message, bool removed)
{
    if (message.message - WM_KEYFIRST <= WM_KEYLAST - WM_KEYFIRST)
        return OnKey(message, removed);
    switch (message.message) {
    case WM_TIMER:
        return message.hwnd == SessionState.FigureWindow ? OnFigureTimer(message) : Ending::Pass;
    case WM_MOUSEMOVE:
        return OnMouseMove(message);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        return OnLeftOrRightDown(message, removed);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        return OnLeftOrRightUp(message, removed);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return OnMiddleDown(message);
    case WM_MBUTTONUP:
        return OnMiddleUp(message, removed);
    case WM_MOUSEWHEEL:
        return OnWheel(message, removed);
    default:
        return Ending::Pass;
    }
}

// The kinds the hook passes most, each after the fewest tests that decide
// it, from the message and the records alone: a number it never looks at, a
// key that is not the mode key while no dialog takes keys, a timer or a move
// of another window, and a move over the figure window that is no drag and no
// pan, whose position is kept. Decide passes every one of them alike; the
// rest, and these where a pan or a cancelled drag is to be ended, go to it.
bool PassedAtOnce(MSG& message, WPARAM removal)
{
    const UINT number = message.message;
    if (number - WM_MOUSEFIRST <= WM_MOUSEWHEEL - WM_MOUSEFIRST) {
        if (number != WM_MOUSEMOVE || (SessionState.PanPressed != 0 && (message.wParam & MK_MBUTTON) == 0))
            return false;
        if (message.hwnd != SessionState.FigureWindow)
            return true;
        // Over the figure window ModelingMode takes only the middle button's
        // moves, CameraMode those with a button held and those of a drag that
        // was cancelled while its buttons were held.
        if (InCameraMode() ? (message.wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0 ||
                                 SessionState.CameraDragEnded != 0
                           : message.wParam == MK_MBUTTON)
            return false;
        SessionState.LastMouseX = X(message.lParam);
        SessionState.LastMouseY = Y(message.lParam);
        return true;
    }
    if (number - WM_KEYFIRST > WM_TIMER - WM_KEYFIRST)
        return true;
    if (number == WM_TIMER)
        return message.hwnd != SessionState.FigureWindow;
    if (number > WM_KEYLAST)
        return true;
    return !IsModeKeyNumber(message.wParam, ModeKeyVirtualKey(PluginSettings.ModeKey)) &&
           (removal != PM_REMOVE || OpenConfigDialogs == 0);
}

// Whatever the hook may take, out of line, so that the passes above save and
// restore no more than they use.
#if defined(_MSC_VER)
__declspec(noinline)
#else
__attribute__((noinline))
#endif
LRESULT Take(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    MSG& message = *reinterpret_cast<MSG*>(lParam);
    Ending ending = Ending::Pass;
    try {
        ending = Decide(message, wParam == PM_REMOVE);
    } catch (...) {
        // The host failed while a condition asked it: the message goes on untouched.
        ending = Ending::Pass;
    }
    switch (ending) {
    case Ending::Keep:
        return 0;
    case Ending::Consume:
        message.message = WM_NULL;
        return 0;
    case Ending::Pass:
    default:
        return HookSystem.callNextHook(SessionState.HookHandle, code, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0 || PassedAtOnce(*reinterpret_cast<MSG*>(lParam), wParam))
        return HookSystem.callNextHook(SessionState.HookHandle, code, wParam, lParam);
    return Take(code, wParam, lParam);
}
