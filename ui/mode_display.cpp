#include "ui/mode_display.h"

#include <windows.h>

#include "state/session_state.h"
#include "ui/control_window_layout.h"
#include "ui/control_window_tips.h"
#include "ui/status_pane.h"
#include "ui/texts/texts.h"

void ShowMode(int32_t mode)
{
    const bool camera = mode == CameraMode;
    const WindowTexts& texts = WindowTextsIn(SessionState.Language);
    const HICON icon = camera ? SessionState.CameraIcon : SessionState.ModelingIcon;
    SendMessageA(SessionState.ModeButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
    RenewModeButtonTip();
    // The key or click that switched the mode belongs to the host: its
    // window keeps the activation and the keyboard.
    SetWindowPos(SessionState.ControlWindow, nullptr, 0, 0,
                 ControlWindowWidth(camera ? CameraClientWidth : ModelingClientWidth), ControlWindowHeight(),
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    SetStatusPaneText(camera ? texts.cameraModeStatus : texts.modelingModeStatus);
    SetStatusPaneIcon(mode);
}
