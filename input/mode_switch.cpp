#include "input/mode_switch.h"

#include "input/drag_capture.h"
#include "input/middle_click.h"
#include "input/middle_pan.h"
#include "state/session_state.h"
#include "ui/control_window_layout.h"
#include "ui/control_window_tips.h"
#include "ui/status_pane.h"
#include "ui/texts/texts.h"

namespace {

void EnterMode(int32_t mode, HICON buttonImage, int clientWidth, const char* paneText)
{
    // In the new mode a gesture's moves and releases mean something else.
    EndGestures();
    // Parts of a wheel notch turned in the old mode do not add to the new one's.
    SessionState.WheelSum = {};
    SessionState.Mode = mode;
    SendMessageA(SessionState.ModeButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(buttonImage));
    RenewModeButtonTip();
    // The key or click that switched the mode belongs to the host: its
    // window keeps the activation and the keyboard.
    SetWindowPos(SessionState.ControlWindow, nullptr, 0, 0, ControlWindowWidth(clientWidth), ControlWindowHeight(),
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    SetStatusPaneText(paneText);
    SetStatusPaneIcon(mode);
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
    EnterMode(ModelingMode, SessionState.ModelingIcon, ModelingClientWidth,
              WindowTextsIn(SessionState.Language).modelingModeStatus);
}

void EnterCameraMode()
{
    EnterMode(CameraMode, SessionState.CameraIcon, CameraClientWidth,
              WindowTextsIn(SessionState.Language).cameraModeStatus);
}

void ToggleMode()
{
    if (SessionState.Mode != ModelingMode)
        EnterModelingMode();
    else
        EnterCameraMode();
}
