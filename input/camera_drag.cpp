#include "input/camera_drag.h"

#include "camera/camera_memory.h"
#include "camera/drag_operations.h"
#include "input/drag_capture.h"
#include "input/hook_system_calls.h"
#include "input/middle_pan.h"
#include "input/perspective_pane.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

constexpr float CtrlDragFactor = 2.0f;
constexpr float ShiftDragFactor = 0.5f;

uint32_t ButtonOf(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK ? MK_LBUTTON
                                                                                                : MK_RBUTTON;
}

// A drag whose press the plug-in took is the user's until its release,
// wherever the pointer goes, over the other panes and out of the window too;
// the perspective-only setting decides only where a drag may begin.
bool DragActs(uint32_t button)
{
    return (SessionState.CameraDragButtons & button) != 0 || DragCondition();
}

int32_t DragSetting(uint16_t keys)
{
    if (keys & MK_LBUTTON)
        return PluginSettings.Option1;
    if (keys & MK_RBUTTON)
        return PluginSettings.Option2;
    return PluginSettings.Option3;
}

// Pixels of the figure window's display as pixels of one at 96 dpi, when the
// user asked for the same hand movement at every display scale. A host the
// system scales for it is told 96 dpi: its pixels are already of that kind.
float DisplayScaleFactor()
{
    if (PluginSettings.FollowDisplayScale == 0)
        return 1.0f;
    const int dpi = HookSystem.windowDpi(SessionState.FigureWindow);
    return static_cast<float>(USER_DEFAULT_SCREEN_DPI) / static_cast<float>(dpi);
}

// The drag's operation for the first held button in `keys`, with dx, dy
// already scaled for Ctrl and Shift: the orbits go OrbitSpeed times as far,
// the pan PanSpeed times. A value outside the set pans, as it did before the
// orbit about the selection joined the set.
void RunDragOperation(uint16_t keys, float dx, float dy)
{
    const int32_t operation = DragSetting(keys);
    const bool orbit = operation == 0 || operation == 1 || operation == 3;
    const float factor =
        SpeedFactor(orbit ? PluginSettings.OrbitSpeed : PluginSettings.PanSpeed) * DisplayScaleFactor();
    dx *= factor;
    dy *= factor;
    switch (operation) {
    case 0:
        OrbitEye(dx, dy);
        break;
    case 1:
        OrbitTarget(dx, dy);
        break;
    case 3:
        OrbitAboutSelection(dx, dy);
        break;
    default:
        PanCamera(dx, dy);
        break;
    }
}

}  // namespace

void TakeCameraPress(uint32_t button, uint16_t keys)
{
    Act(SaveUndoSnapshot);
    // A drag that orbits about the selection finds its pivot at the press.
    Act([&] {
        if (DragSetting(static_cast<uint16_t>(button)) == 3)
            TakeOrbitPivot();
    });
    BeginCameraDrag(button, keys);
}

// A press, or the double click that a window class with CS_DBLCLKS gets in
// place of a quick second press. The record of where the press went changes
// only at the delivery that removes it, so a peeked and a removed delivery of
// one press end alike.
Ending OnLeftOrRightDown(MSG& message, bool removed)
{
    // Every press begins a new drag, whose orbit about the selection has not
    // looked for its pivot yet, wherever the press was.
    ForgetOrbitPivot();
    const uint32_t button = ButtonOf(message.message);
    CameraDragButtonPressed(button);
    if (IsPanInput())
        return OnPanInput(message, removed);
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
    SessionState.OrbitVerticalSign = 1;
    TakeCameraPress(button, Keys(message.wParam));
    return Ending::Consume;
}

// A release goes where its press went: one the host received before a switch
// to CameraMode (the pan's simulated left button among them) reaches the host
// too, or it would go on dragging and keep the mouse captured.
Ending OnLeftOrRightUp(MSG& message, bool removed)
{
    if (IsPanInput())
        return OnPanInput(message, removed);
    const uint32_t button = ButtonOf(message.message);
    if (message.hwnd != SessionState.FigureWindow || (SessionState.PressesWithHost & button))
        return Ending::Pass;
    if (!EndCameraDragButton(button, Keys(message.wParam), removed) && !DragCondition())
        return Ending::Pass;
    SessionState.OrbitVerticalSign = 1;
    return Ending::Consume;
}

Ending OnCameraMove(const MSG& message, int lastX, int lastY)
{
    const uint16_t keys = Keys(message.wParam);
    if (MoveOfCancelledDrag(keys))
        return Ending::Consume;
    float dx = static_cast<float>(X(message.lParam) - lastX);
    float dy = static_cast<float>(Y(message.lParam) - lastY);
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
