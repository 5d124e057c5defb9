#include "input/message_hook.h"

#include <commctrl.h>

#include <cstdint>

#include "camera/camera_memory.h"
#include "camera/drag_operations.h"
#include "input/drag_capture.h"
#include "input/gesture_dispatch.h"
#include "input/hook_system_calls.h"
#include "input/middle_pan.h"
#include "input/mode_switch.h"
#include "input/perspective_pane.h"
#include "state/mode_key.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "state/wheel_accumulator.h"
#include "ui/config_dialog.h"

namespace {

enum class Ending { Pass, Keep, Consume };

constexpr LPARAM PreviousKeyState = 0x40000000;
constexpr float CtrlDragFactor = 2.0f;
constexpr float ShiftDragFactor = 0.5f;

int X(LPARAM lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
int Y(LPARAM lParam) { return static_cast<int16_t>((lParam >> 16) & 0xFFFF); }
uint16_t Keys(WPARAM wParam) { return static_cast<uint16_t>(wParam & 0xFFFF); }
int16_t WheelDelta(WPARAM wParam) { return static_cast<int16_t>((wParam >> 16) & 0xFFFF); }

bool InCameraMode()
{
    return SessionState.Mode == CameraMode;
}

// Both conditions ask the host anew at every evaluation, and only as far as
// the short cut lets them.
bool CameraCondition()
{
    return InCameraMode() && (PluginSettings.PerspectiveOnly == 0 || CursorInPerspectivePane() != 0);
}

bool DragCondition()
{
    return InCameraMode() && (PluginSettings.PerspectiveOnly == 0 ||
                              (CursorInPerspectivePane() != 0 && SessionState.PressedInPerspective != 0));
}

// A drag whose press the plug-in took is the user's until its release,
// wherever the pointer goes, over the other panes and out of the window too;
// the perspective-only setting decides only where a drag may begin.
bool DragActs(uint32_t button)
{
    return (SessionState.CameraDragButtons & button) != 0 || DragCondition();
}

bool MiddleButtonDown()
{
    return (HookSystem.getAsyncKeyState(VK_MBUTTON) & 0x8000) != 0;
}

// One delivery acts, the next only blanks its message, and so on: the host
// peeks at mouse messages before it removes them, so each arrives twice.
bool LatchActs(int32_t& latch)
{
    if (latch != 0) {
        latch = 0;
        return true;
    }
    latch = 1;
    return false;
}

// An action's failure inside the host must not change how the message ends,
// nor leave the hook as an exception.
template <class Action>
void Act(Action&& action) noexcept
{
    try {
        action();
    } catch (...) {
    }
}

bool KeyDown(int key)
{
    return (HookSystem.getKeyState(key) & 0x8000) != 0;
}

// Shift, Ctrl and Alt as the thread's key state has them at this message,
// in the hot-key control's flags.
uint8_t ModifiersDown()
{
    return static_cast<uint8_t>((KeyDown(VK_SHIFT) ? HOTKEYF_SHIFT : 0) | (KeyDown(VK_CONTROL) ? HOTKEYF_CONTROL : 0) |
                                (KeyDown(VK_MENU) ? HOTKEYF_ALT : 0));
}

// The stored key's press with exactly its modifiers (with Alt it comes as a
// system key), not an auto-repeat; or the release of the press that switched,
// with whatever modifiers are down by then. A release is no press: one whose
// press did not switch passes. While a dialog's key field has the keyboard,
// the key is the field's.
bool IsModeKeyPressOrRelease(const MSG& message)
{
    const bool previouslyDown = (message.lParam & PreviousKeyState) != 0;
    bool taken = false;
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP)
        taken = previouslyDown && SessionState.KeyLatch == 0;
    else if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)
        taken = !previouslyDown && ModifiersDown() == ModeKeyModifiers(PluginSettings.ModeKey);
    return taken && !IsConfigDialogKeyField(message.hwnd);
}

// Every other key leaves after one comparison.
inline bool IsModeKeyMessage(const MSG& message)
{
    const WPARAM key = ModeKeyVirtualKey(PluginSettings.ModeKey);
    return key != 0 && message.wParam == key && IsModeKeyPressOrRelease(message);
}

// The host's loop knows nothing of the modeless configuration dialog: its keys
// go through the dialog's own handling here, once, on the delivery that
// removes them. The mode key keeps its meaning in every window of the thread
// but the dialog's key field.
Ending OnKey(MSG& message, bool removed)
{
    if (!IsModeKeyMessage(message))
        return removed && TakeConfigDialogKey(message) ? Ending::Consume : Ending::Pass;
    if (!LatchActs(SessionState.KeyLatch))
        return Ending::Consume;
    Act(ToggleMode);
    return Ending::Keep;
}

Ending OnTimer(const MSG& message)
{
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Pass;
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
    // A middle press that waits for a double click was taken as ModelingMode's,
    // in CameraMode too where the perspective-only setting leaves the pointer's
    // pane to ModelingMode: its moves are ModelingMode's until the pan begins.
    const bool waitingMiddlePress = SessionState.MiddleTimerId != 0 && message.wParam == MK_MBUTTON;
    if (!InCameraMode() || waitingMiddlePress) {
        if (message.wParam != MK_MBUTTON)
            return Ending::Pass;
        // The pointer follows the hand; the host sees no middle drag. Once the
        // pointer has left the double-click rectangle, the press can no longer
        // become a double click: the pan begins without waiting for the timer.
        // Nothing is simulated over the pane that CameraMode drives. After a
        // flick the button may be up by now, its release queued behind the
        // move: that release ends the pan the move begins.
        if (SessionState.MiddleTimerId != 0 && OutsideDoubleClickRectangle(x, y)) {
            StopDoubleClickTimer();
            if ((MiddleButtonDown() || ButtonMessageQueued()) && !CameraCondition())
                BeginMiddlePan(x, y);
        }
        return Ending::Consume;
    }
    if (MoveOfCancelledDrag(keys))
        return Ending::Consume;
    float dx = static_cast<float>(x - lastX);
    float dy = static_cast<float>(y - lastY);
    if (keys & MK_CONTROL) {
        dx *= CtrlDragFactor;
        dy *= CtrlDragFactor;
    } else if (keys & MK_SHIFT) {
        dx *= ShiftDragFactor;
        dy *= ShiftDragFactor;
    }
    uint16_t button = 0;
    if ((keys & MK_LBUTTON) && DragActs(MK_LBUTTON))
        button = MK_LBUTTON;
    else if ((keys & MK_RBUTTON) && DragActs(MK_RBUTTON))
        button = MK_RBUTTON;
    else if ((keys & MK_MBUTTON) && DragActs(MK_MBUTTON))
        button = MK_MBUTTON;
    if (button == 0)
        return Ending::Pass;
    Act([&] { RunDragOperation(button, dx, dy); });
    return Ending::Consume;
}

uint32_t ButtonOf(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK ? MK_LBUTTON
                                                                                                : MK_RBUTTON;
}

Ending OnPanPress(MSG& message, uint32_t button, bool removed)
{
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Consume;
    PlacePanPress(message, removed);
    if (removed)
        SessionState.PressesWithHost |= button;
    return Ending::Pass;
}

// A press, or the double click that a window class with CS_DBLCLKS gets in
// place of a quick second press. `removed` is the delivery that takes the
// message from the queue: the record of where the press went changes only
// then, so a peeked and a removed delivery of one press end alike.
Ending OnLeftOrRightDown(MSG& message, bool removed)
{
    // Every press begins a new drag, whose orbit about the selection has not
    // looked for its pivot yet, wherever the press was.
    ForgetOrbitPivot();
    const uint32_t button = ButtonOf(message.message);
    CameraDragButtonPressed(button);
    // The pan's press is the host's, whatever the pane under the pointer by
    // now; it clicks no other window.
    if (IsPanInput())
        return OnPanPress(message, button, removed);
    if (message.hwnd != SessionState.FigureWindow)
        return Ending::Pass;
    SessionState.PressedInPerspective = CursorInPerspectivePane();
    if (!CameraCondition()) {
        const bool hostHadFirstPress = (SessionState.PressesWithHost & button) != 0;
        if (removed)
            SessionState.PressesWithHost |= button;
        // The host never saw the first press: for it this is a first press.
        if (message.message != WM_LBUTTONDOWN && message.message != WM_RBUTTONDOWN && !hostHadFirstPress) {
            message.message = button == MK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN;
            return Ending::Keep;
        }
        return Ending::Pass;
    }
    SessionState.PressesWithHost &= ~button;
    Act(SaveUndoSnapshot);
    Act([&] { PrepareDragOperation(static_cast<uint16_t>(button)); });
    SessionState.OrbitVerticalSign = 1;
    BeginCameraDrag(button, Keys(message.wParam));
    return Ending::Consume;
}

// A release goes where its press went: one the host received before a switch
// to CameraMode (the pan's simulated left button among them) reaches the host
// too, or it would go on dragging and keep the mouse captured.
Ending OnLeftOrRightUp(const MSG& message, bool removed)
{
    if (IsPanInput()) {
        if (removed)
            ReleasePanCapture();
        return message.hwnd == SessionState.FigureWindow ? Ending::Pass : Ending::Consume;
    }
    const uint32_t button = ButtonOf(message.message);
    if (message.hwnd != SessionState.FigureWindow || (SessionState.PressesWithHost & button))
        return Ending::Pass;
    if (!EndCameraDragButton(button, Keys(message.wParam), removed) && !DragCondition())
        return Ending::Pass;
    SessionState.OrbitVerticalSign = 1;
    return Ending::Consume;
}

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
        Act(SaveUndoSnapshot);
        Act([] { PrepareDragOperation(MK_MBUTTON); });
        BeginCameraDrag(MK_MBUTTON, Keys(message.wParam));
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

Ending OnWheel(const MSG& message, bool removed)
{
    // The pointer decides, not the window the message is aimed at.
    const POINT screen = {X(message.lParam), Y(message.lParam)};
    if (HookSystem.windowFromPoint(screen) != SessionState.FigureWindow)
        return Ending::Pass;
    int16_t delta = WheelDelta(message.wParam);
    const uint16_t keys = Keys(message.wParam);
    const UINT pause = HookSystem.getDoubleClickTime();
    if (CameraCondition()) {
        // The delivery that removes the message acts, and only it adds: a host
        // that peeks first and one that never peeks both get one step a notch.
        if (removed && WheelStepDue(SessionState.WheelSum, delta, &CameraWheelSetting(keys), message.time, pause))
            Act([&] { RunWheelOperation(delta, keys); });
    } else if (LatchActs(SessionState.MiddleLatch) &&
               WheelStepDue(SessionState.WheelSum, delta, &ZoomCentreSetting(keys), message.time, pause)) {
        // Only the acting delivery adds, so a peeked and removed part counts once.
        Act([&] { RunWheelZoom(delta, keys); });
    }
    return Ending::Consume;
}

Ending Decide(MSG& message, bool removed)
{
    if (message.message - WM_KEYFIRST <= WM_KEYLAST - WM_KEYFIRST)
        return OnKey(message, removed);
    switch (message.message) {
    case WM_TIMER:
        return OnTimer(message);
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
    const WPARAM modeKey = ModeKeyVirtualKey(PluginSettings.ModeKey);
    return (modeKey == 0 || message.wParam != modeKey) && (removal != PM_REMOVE || OpenConfigDialogs == 0);
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
