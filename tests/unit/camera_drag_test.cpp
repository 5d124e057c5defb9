// The camera drags: presses, moves and releases in CameraMode, and the
// perspective-only restriction.

#include <gtest/gtest.h>

#include <cmath>

#include "camera/drag_operations.h"
#include "tests/support/message_hook_fixture.h"

namespace {

class CameraGestures : public MessageHookTest {
protected:
    void SetUp() override
    {
        MessageHookTest::SetUp();
        SessionState.Mode = CameraMode;
    }
};

TEST_F(CameraGestures, AMoveWithoutButtonsUpdatesThePointerAndPasses)
{
    ExpectPass(Deliver(WM_MOUSEMOVE, 0, At(30, 40)), WM_MOUSEMOVE);
    EXPECT_EQ(SessionState.LastMouseX, 30);
    EXPECT_EQ(SessionState.LastMouseY, 40);
    EXPECT_EQ(host->callCount, 0);
}

TEST_F(CameraGestures, ALeftDragOrbitsTheEyeAndItsSecondDeliveryDoesNothing)
{
    Deliver(WM_MOUSEMOVE, 0, At(10, 10));
    ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(100, 10)));
    // 90 degrees about the target: from (0, 0, 10) to (10, 0, 0).
    EXPECT_NEAR(host->eye.x, 10.0f, 1e-4f);
    EXPECT_NEAR(host->eye.z, 0.0f, 1e-4f);
    const int callsAfterFirst = host->callCount;
    ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(100, 10)));
    EXPECT_EQ(host->callCount, callsAfterFirst) << "dx = dy = 0 asks the host nothing";
    ExpectReferencesBalanced();
}

TEST_F(CameraGestures, ADragGoingOnAcrossASwitchToCameraModeStartsWhereThePointerIs)
{
    Deliver(WM_MOUSEMOVE, 0, At(10, 10));
    SessionState.Mode = ModelingMode;
    ExpectPass(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(200, 10)), WM_MOUSEMOVE);
    SessionState.Mode = CameraMode;
    Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(200, 10));
    EXPECT_EQ(host->callCount, 0) << "the camera leapt by the moves made in ModelingMode";
}

TEST_F(CameraGestures, DragSettingsByLeftThenRightThenMiddle)
{
    PluginSettings.Option1 = 2;  // left pans
    PluginSettings.Option2 = 1;  // right orbits the target
    PluginSettings.Option3 = 4;  // middle: out of the set, pans
    Deliver(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, At(3, -4));
    EXPECT_EQ(Calls(SandboxGetViewMatrix), 1) << "left before right";
    host->callCount = 0;
    Deliver(WM_MOUSEMOVE, MK_RBUTTON | MK_MBUTTON, At(93, -4));
    EXPECT_EQ(Calls(SandboxSetTarget), 1) << "right before middle";
    EXPECT_EQ(Calls(SandboxSetEye), 0);
    host->callCount = 0;
    Deliver(WM_MOUSEMOVE, MK_MBUTTON, At(100, -4));
    EXPECT_EQ(Calls(SandboxGetViewMatrix), 1) << "an unknown value pans";
}

TEST_F(CameraGestures, ALeftDragSetToOrbitAboutTheSelectionTurnsTheViewAboutTheSelectedShape)
{
    PluginSettings.Option1 = 3;
    host->shapes[host->shapeCount++] = SandboxShape{{4, 1, -3}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, 0, 1};
    ExpectConsume(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(0, 0)));
    for (const int y : {0, 60, 0})  // 90 px right, then down and back up
        ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(90, y)));
    // A quarter turn about the shape's vertical, +z to +x as OrbitEye turns: offsets (x, y, z) become (z, y, -x).
    const SandboxPoint e = host->eye, t = host->target;  // from (0, 0, 10) and the origin
    for (const float miss : {e.x - (4 + 13), e.y, e.z - (-3 + 4), t.x - (4 + 3), t.y, t.z - (-3 + 4)})
        EXPECT_NEAR(miss, 0.0f, 1e-4f);
}

// Each drag as its operation called with the move (4, 6) times Ctrl's 2 or Shift's ½, its speed, and 96 / the dpi.
TEST_F(CameraGestures, EveryDragMovesByTheDeltaScaledForCtrlAndShiftAndByItsSpeed)
{
    void (*const operations[])(float, float) = {OrbitEye, OrbitTarget, PanCamera, OrbitAboutSelection};
    const struct { int32_t option; WORD keys; int32_t orbit, pan; float factor; int follow = 0, dpi = 96; } cases[] = {
        {2, 0, 100, 100, 1.0f}, {2, MK_CONTROL, 100, 100, 2.0f}, {2, MK_SHIFT, 100, 100, 0.5f},
        {2, MK_CONTROL | MK_SHIFT, 100, 100, 2.0f}, {2, 0, 50, 200, 2.0f}, {2, MK_SHIFT, 400, 5, 0.05f},
        {0, 0, 200, 50, 2.0f}, {1, MK_CONTROL, 50, 400, 1.0f}, {3, MK_SHIFT, 5000, 100, 5.0f}, {7, 0, 25, 140, 1.4f},
        {0, 0, 100, 100, 1.0f, 0, 192}, {0, 0, 100, 100, 0.5f, 1, 192}, {2, MK_CONTROL, 100, 100, 1.5f, 1, 128}};
    for (const auto& c : cases) {
        sandbox_host_reset(), SessionState.LastMouseX = 0, SessionState.LastMouseY = 0;
        PluginSettings.Option1 = c.option, PluginSettings.OrbitSpeed = c.orbit, PluginSettings.PanSpeed = c.pan;
        PluginSettings.FollowDisplayScale = c.follow, fake.figureDpi = c.dpi;
        Deliver(WM_MOUSEMOVE, MK_LBUTTON | c.keys, At(4, 6));
        const SandboxPoint e = host->eye, t = host->target;
        sandbox_host_reset();
        operations[c.option < 4 ? c.option : 2](4 * c.factor, 6 * c.factor);
        for (const float miss : {e.x - host->eye.x, e.y - host->eye.y, e.z - host->eye.z, t.x - host->target.x,
                                 t.y - host->target.y, t.z - host->target.z})
            EXPECT_NEAR(miss, 0.0f, 1e-5f) << "Option1 " << c.option << ", keys " << c.keys;
    }
}

TEST_F(CameraGestures, ALeftPressTakesAnUndoSnapshotAndResetsTheVerticalSign)
{
    SessionState.OrbitVerticalSign = -1;
    ExpectConsume(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(1, 1)));
    EXPECT_EQ(SessionState.OrbitVerticalSign, 1);
    EXPECT_EQ(Calls(SandboxGetEye), 1);
    EXPECT_EQ(Calls(SandboxGetBank), 1);
    EXPECT_EQ(SessionState.UndoCamera.zoom, 35.0f);
    SessionState.OrbitVerticalSign = -1;
    ExpectConsume(Deliver(WM_RBUTTONUP, 0, At(1, 1)));
    EXPECT_EQ(SessionState.OrbitVerticalSign, 1);
    ExpectReferencesBalanced();
}

// The host had the press (the pan's simulated left button, or the user's own
// click) before NONCONVERT: without its release it would go on dragging with
// the mouse captured.
TEST_F(CameraGestures, AReleaseWhosePressReachedTheHostBeforeTheSwitchReachesItToo)
{
    SessionState.Mode = ModelingMode;
    ExpectPass(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(1, 1)), WM_LBUTTONDOWN);
    ExpectPass(Deliver(WM_RBUTTONDOWN, MK_RBUTTON, At(1, 1)), WM_RBUTTONDOWN);
    SessionState.Mode = CameraMode;
    for (int delivery = 0; delivery < 2; ++delivery) {
        ExpectPass(Deliver(WM_LBUTTONUP, 0, At(1, 1)), WM_LBUTTONUP);
        ExpectPass(Deliver(WM_RBUTTONUP, 0, At(1, 1)), WM_RBUTTONUP);
    }
    ExpectConsume(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(1, 1)));
    ExpectConsume(Deliver(WM_LBUTTONUP, 0, At(1, 1)));
}

TEST_F(CameraGestures, AMiddlePressAndItsReleaseAreTakenWithTheMouseHeldBetween)
{
    SessionState.OrbitVerticalSign = -1;
    ExpectConsume(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(1, 1)));
    EXPECT_EQ(SessionState.OrbitVerticalSign, -1) << "a middle press keeps the vertical sign";
    EXPECT_EQ(Calls(SandboxGetEye), 1);
    ExpectConsume(Deliver(WM_MBUTTONUP, 0, At(1, 1)));
    EXPECT_EQ(SessionState.MiddleLatch, 1) << "no latch in CameraMode";
    EXPECT_EQ(fake.Count("SetTimer"), 0);
    fake.capture = OtherWindow();  // the host's own
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(1, 1));
    Deliver(WM_MBUTTONUP, 0, At(1, 1));
    EXPECT_EQ(fake.capture, OtherWindow()) << "the host's capture taken or let go";
}

TEST_F(CameraGestures, PerspectiveOnlyIgnoresADragThatStartedOutsideThePane)
{
    PluginSettings.PerspectiveOnly = 1;
    for (const UINT down : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {  // a row for each button
        const WPARAM button = down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON;
        PointerInTopPane();
        ExpectPass(Deliver(down, button, At(50, 50)), down);
        EXPECT_EQ(SessionState.PressedInPerspective, 0);
        PointerInPerspectivePane();
        ExpectPass(Deliver(WM_MOUSEMOVE, button, At(150, 150)), WM_MOUSEMOVE);
        ExpectPass(Deliver(down + 1, 0, At(150, 150)), down + 1);
    }
    EXPECT_EQ(Calls(SandboxSetEye) + Calls(SandboxSetTarget), 0);
    ExpectReferencesBalanced();
}

TEST_F(CameraGestures, PerspectiveOnlyDragsThatStartInsideThePaneGoOnWhereverThePointerGoes)
{
    PluginSettings.PerspectiveOnly = 1;
    PointerInPerspectivePane();
    ExpectConsume(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 150)));
    EXPECT_EQ(SessionState.PressedInPerspective, 1);
    Deliver(WM_MOUSEMOVE, 0, At(150, 150));
    ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(160, 150)));
    const SandboxPoint eye = host->eye;
    for (const POINT p : {POINT{50, 90}, POINT{-40, 120}, POINT{50, 90}, POINT{160, 150}}) {  // out and back
        fake.pointer = p;
        ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(p.x, p.y)));
    }
    EXPECT_EQ(Calls(SandboxSetEye), 5) << "every move, over the top pane and out of the window too";
    for (const float miss : {host->eye.x - eye.x, host->eye.y - eye.y, host->eye.z - eye.z})
        EXPECT_NEAR(miss, 0.0f, 1e-4f);
    EXPECT_EQ(SessionState.LastMouseX, 160) << "the position follows every CameraMode move";
    ExpectConsume(Deliver(WM_LBUTTONUP, 0, At(160, 150)));
    ExpectReferencesBalanced();
}

TEST_F(CameraGestures, AHostFailureDuringADragStillBlanksAndReleases)
{
    host->throwFrom = SandboxGetTarget;
    ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(20, 0)));
    ExpectReferencesBalanced();
    host->throwFrom = SandboxNoOperation;
    for (const SandboxOperation empty : {SandboxGetScene, SandboxGetCamera}) {
        SCOPED_TRACE(empty);
        host->nullFrom = empty;
        ExpectConsume(Deliver(WM_MOUSEMOVE, MK_LBUTTON, At(40, 0)));
        ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(120), At(40, 0)));
        EXPECT_EQ(Calls(SandboxSetEye), 0);
        ExpectReferencesBalanced();
    }
}

TEST_F(CameraGestures, AHostFailureInThePaneTestPassesTheMessage)
{
    PluginSettings.PerspectiveOnly = 1;
    host->throwFrom = SandboxGetPaneRect;
    ExpectPass(Deliver(WM_MOUSEWHEEL, Wheel(120), At(150, 150)), WM_MOUSEWHEEL);
    ExpectReferencesBalanced();
    host->throwFrom = SandboxNoOperation;
    host->nullFrom = SandboxGetFigureWindow;
    ExpectPass(Deliver(WM_MOUSEWHEEL, Wheel(120), At(150, 150)), WM_MOUSEWHEEL);
    ExpectReferencesBalanced();
}

}  // namespace
