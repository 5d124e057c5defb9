#include "ui/camera_readout.h"

#include <windows.h>

#include <cstdio>

#include "host/host.h"
#include "state/session_state.h"
#include "ui/resource_ids.h"
#include "ui/status_pane.h"
#include "ui/texts/texts.h"

namespace {

// "%f" of any float fits: the longest, -FLT_MAX, takes all 48 with its NUL.
constexpr size_t ReadoutSize = 48;
constexpr size_t StatusTextSize = 256;

void SetReadout(int id, float value)
{
    if (SessionState.ControlWindow == nullptr)
        return;
    char text[ReadoutSize];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    SetDlgItemTextA(SessionState.ControlWindow, id, text);
}

}  // namespace

void SetZoomReadout(float zoom)
{
    SetReadout(IDC_ZOOM_VALUE, zoom);
}

void SetBankReadout(float bank)
{
    SetReadout(IDC_BANK_VALUE, bank);
}

void SetCameraStatusText(float zoom, float bank)
{
    char text[StatusTextSize];
    std::snprintf(text, sizeof text, WindowTextsIn(SessionState.Language).cameraStatusFormat,
                  static_cast<double>(zoom), static_cast<double>(bank));
    SetStatusPaneText(text);
}

void ShowCameraValues(HostScene& scene)
{
    const Camera camera = Camera::Of(scene);
    const float zoom = camera.zoom();
    SetZoomReadout(zoom);
    const float bank = camera.bank();
    SetBankReadout(bank);
    // In ModelingMode the pane names that mode; the camera text would call it
    // camera mode until the next switch.
    if (SessionState.Mode == CameraMode)
        SetCameraStatusText(zoom, bank);
}
