#include "input/mode_switch.h"

#include "input/session_state.h"
#include "plugin/status_bar_library.h"
#include "plugin/texts.h"
#include "ui/control_window_layout.h"
#include "ui/resource_ids.h"

namespace {

void EnterMode(int32_t mode, HICON buttonImage, int clientWidth, const char* paneText, int paneIcon)
{
    SessionState.Mode = mode;
    SendMessageA(SessionState.ModeButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(buttonImage));
    SetWindowPos(SessionState.ControlWindow, nullptr, 0, 0, ControlWindowWidth(clientWidth), ControlWindowHeight(),
                 SWP_NOZORDER | SWP_NOMOVE);
    StatusBarSetText(paneText);
    StatusBarSetIcon(paneIcon);
}

}  // namespace

void EnterModelingMode()
{
    EnterMode(ModelingMode, SessionState.ModelingIcon, ModelingClientWidth,
              WindowTextsIn(SessionState.Language).modelingModeStatus, IDI_MODELING_MODE);
}

void EnterCameraMode()
{
    EnterMode(CameraMode, SessionState.CameraIcon, CameraClientWidth,
              WindowTextsIn(SessionState.Language).cameraModeStatus, IDI_CAMERA_MODE);
}

void ToggleMode()
{
    if (SessionState.Mode != ModelingMode)
        EnterModelingMode();
    else
        EnterCameraMode();
}
