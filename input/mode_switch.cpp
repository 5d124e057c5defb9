#include "input/mode_switch.h"

#include "input/drag_capture.h"
#include "input/middle_click.h"
#include "input/middle_pan.h"
#include "state/session_state.h"
#include "ui/mode_display.h"

namespace {

void EnterMode(int32_t mode)
{
    // In the new mode a gesture's moves and releases mean something else.
    EndGestures();
    // Parts of a wheel notch turned in the old mode do not add to the new one's.
    SessionState.WheelSum = {};
    SessionState.Mode = mode;
    ShowMode(mode);
}

}  // namespace

void EndGestures()
{
    ReleaseMiddlePan(0, 0);
    StopDoubleClickTimer();
    CancelCameraDrag();
}

void EnterModelingMode()
{
    EnterMode(ModelingMode);
}

void EnterCameraMode()
{
    EnterMode(CameraMode);
}

void ToggleMode()
{
    if (SessionState.Mode != ModelingMode)
        EnterModelingMode();
    else
        EnterCameraMode();
}
