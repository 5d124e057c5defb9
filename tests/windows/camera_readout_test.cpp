// The host's camera_changed: zoom and bank in the control window's read-outs
// in either mode, and in the status pane in CameraMode.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "input/mode_switch.h"
#include "state/session_state.h"
#include "tests/windows/attached_host.h"
#include "ui/camera_readout.h"
#include "ui/resource_ids.h"

namespace {

class CameraReadout : public AttachedHostTest {
protected:
    void CameraChanged()
    {
        int flag = 0;
        sandbox_component_camera_changed(component, sandbox_host_scene(), &flag);
    }

    std::string Readout(int id) const { return ControlText(SessionState.ControlWindow, id); }
};

const char LongestFloat[] = "-340282346638528859811704183484516925440.000000";

TEST_F(CameraReadout, Zoom35AndBank0AreShownWithSixDecimalsInModelingModeTooWhereThePaneKeepsItsMode)
{
    Attach();
    const int before = host->callCount;
    CameraChanged();
    EXPECT_EQ(Readout(IDC_ZOOM_VALUE), "35.000000");
    EXPECT_EQ(Readout(IDC_BANK_VALUE), "0.000000");
    EXPECT_EQ(LastPaneText(), u8"Z_Vormelt モデリングモード");
    EXPECT_EQ(SessionState.Mode, 0);
    const std::vector<int> calls = CallSequence();
    EXPECT_EQ(std::vector<int>(calls.begin() + before, calls.end()),
              (std::vector<int>{SandboxGetCamera, SandboxGetZoom, SandboxGetBank, SandboxReleaseCamera}));
    ExpectReferencesBalanced();
}

TEST_F(CameraReadout, ThePaneKeepsTheCameraTextUntilTheNextModeChange)
{
    Attach();
    EnterCameraMode();
    host->zoom = 12.5f;
    host->bank = -0.75f;
    CameraChanged();
    EXPECT_EQ(Readout(IDC_ZOOM_VALUE), "12.500000");
    EXPECT_EQ(Readout(IDC_BANK_VALUE), "-0.750000");
    EXPECT_EQ(LastPaneText(), u8"Z_Vormelt カメラモード ZOOM: 12.500000 BANK: -0.750000");
    EnterModelingMode();
    EXPECT_EQ(LastPaneText(), u8"Z_Vormelt モデリングモード");
}

TEST_F(CameraReadout, OnAHostInEnglishThePaneShowsTheCameraInEnglishWithTheSameNumbers)
{
    host->japanese = 0;
    Attach();
    EnterCameraMode();
    host->zoom = 12.5f;
    host->bank = -0.75f;
    CameraChanged();
    EXPECT_EQ(Readout(IDC_ZOOM_VALUE), "12.500000");
    EXPECT_EQ(Readout(IDC_BANK_VALUE), "-0.750000");
    EXPECT_EQ(LastPaneText(), "Z_Vormelt Camera mode ZOOM: 12.500000 BANK: -0.750000");
}

TEST_F(CameraReadout, AHostFailureReleasesTheCameraAndStopsThere)
{
    Attach();
    host->throwFrom = SandboxGetBank;
    const size_t paneCalls = StatusCalls().size();
    CameraChanged();
    EXPECT_EQ(Readout(IDC_ZOOM_VALUE), "35.000000");
    EXPECT_EQ(Readout(IDC_BANK_VALUE), "");
    EXPECT_EQ(StatusCalls().size(), paneCalls);
    EXPECT_EQ(Calls(SandboxReleaseCamera), 1);
    ExpectReferencesBalanced();
}

TEST_F(CameraReadout, ASceneWithoutACameraChangesNothing)
{
    Attach();
    host->nullFrom = SandboxGetCamera;
    const size_t paneCalls = StatusCalls().size();
    CameraChanged();
    EXPECT_EQ(Readout(IDC_ZOOM_VALUE), "");
    EXPECT_EQ(StatusCalls().size(), paneCalls);
    EXPECT_EQ(Calls(SandboxGetZoom), 0);
    ExpectReferencesBalanced();
}

TEST_F(CameraReadout, BeforeTheControlWindowExistsOnlyThePaneIsTold)
{
    SessionState.Mode = CameraMode;
    CameraChanged();
    EXPECT_EQ(LastPaneText(), u8"Z_Vormelt カメラモード ZOOM: 35.000000 BANK: 0.000000");
    ExpectReferencesBalanced();
}

TEST_F(CameraReadout, AnyFloatFitsItsBuffers)
{
    Attach();
    SetZoomReadout(-FLT_MAX);
    SetBankReadout(-INFINITY);
    EXPECT_EQ(Readout(IDC_ZOOM_VALUE), LongestFloat);
    EXPECT_EQ(Readout(IDC_BANK_VALUE), "-inf");
    SetBankReadout(NAN);
    EXPECT_NE(Readout(IDC_BANK_VALUE).find("nan"), std::string::npos);
    SetCameraStatusText(-FLT_MAX, -FLT_MAX);
    EXPECT_EQ(LastPaneText(),
              std::string(u8"Z_Vormelt カメラモード ZOOM: ") + LongestFloat + " BANK: " + LongestFloat);
}

}  // namespace
