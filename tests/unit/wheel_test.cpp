// The wheel: ModelingMode's zoom through the latch, and in CameraMode the camera's steps by the button held, a notch
// one step whether the host peeks first or not.

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/message_hook_fixture.h"

namespace {

using ModelingWheel = MessageHookTest;

class CameraWheel : public MessageHookTest {
protected:
    void SetUp() override
    {
        MessageHookTest::SetUp();
        SessionState.Mode = CameraMode;
    }
};

TEST_F(ModelingWheel, AWheelTurnedTowardTheUserZoomsInAboutTheDrawingCentre)
{
    host->drawingCentre = {1, 2, 3};
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10)));
    ASSERT_EQ(Calls(SandboxZoomInAt), 1);
    EXPECT_EQ(Calls(SandboxZoomOutAt), 0);
    const SandboxCall& zoom = host->calls[host->callCount - 2];
    EXPECT_EQ(zoom.operation, SandboxZoomInAt);
    EXPECT_EQ(zoom.point.x, 1);
    EXPECT_EQ(zoom.point.z, 3);
    ExpectReferencesBalanced();
}

// Any positive Rotate acts as 1 and any other value as -1, as the camera wheel and the dialog take them.
TEST_F(ModelingWheel, DirectionFollowsTheSignOfRotateWhateverItsSize)
{
    struct Case {
        int delta;
        int rotate;
        SandboxOperation expected;
    };
    const Case cases[] = {{-120, 1, SandboxZoomInAt},  {120, 1, SandboxZoomOutAt}, {-120, -1, SandboxZoomOutAt},
                          {120, -1, SandboxZoomInAt},  {0, 1, SandboxZoomOutAt},   {0, -1, SandboxZoomOutAt},
                          {-120, 0, SandboxZoomOutAt}, {120, 0, SandboxZoomInAt},  {-120, 0x10001, SandboxZoomInAt},
                          {-120, 0x10000, SandboxZoomInAt}, {120, -0x10000, SandboxZoomInAt},
                          {120, 300, SandboxZoomOutAt}, {300, 300, SandboxZoomOutAt}, {-300, 300, SandboxZoomInAt}};
    for (const Case& c : cases) {
        sandbox_host_reset();
        SessionState.MiddleLatch = 1;
        PluginSettings.Rotate = c.rotate;
        Deliver(WM_MOUSEWHEEL, Wheel(c.delta), At(10, 10));
        EXPECT_EQ(Calls(c.expected), 1) << "delta " << c.delta << " rotate " << c.rotate;
    }
}

TEST_F(ModelingWheel, CentreSettingsByCtrlBeforeShift)
{
    host->drawingCentre = {1, 0, 0};
    host->cursorPosition = {2, 0, 0};
    PluginSettings.Option8 = 1;  // plain: cursor
    PluginSettings.Option9 = 0;  // Ctrl: drawing centre
    PluginSettings.Option10 = 7;  // Shift: out of the set, the selection centre
    struct Case {
        WORD keys;
        SandboxOperation centreQuery;
    };
    const Case cases[] = {{0, SandboxGetCursorPosition},
                          {MK_CONTROL, SandboxGetDrawingCentre},
                          {MK_CONTROL | MK_SHIFT, SandboxGetDrawingCentre},
                          {MK_SHIFT, SandboxGetActiveShapes}};
    for (const Case& c : cases) {
        host->callCount = 0;
        SessionState.MiddleLatch = 1;
        Deliver(WM_MOUSEWHEEL, Wheel(-120, c.keys), At(10, 10));
        ASSERT_GE(host->callCount, 2) << c.keys;
        EXPECT_EQ(host->calls[0].operation, SandboxGetScene);
        EXPECT_EQ(host->calls[1].operation, c.centreQuery) << c.keys;
    }
    ExpectReferencesBalanced();
}

TEST_F(ModelingWheel, TwoDeliveriesOfOneMessageZoomOnce)
{
    for (int message = 0; message < 3; ++message) {
        ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(120), At(10, 10)));
        ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(120), At(10, 10)));
    }
    EXPECT_EQ(Calls(SandboxZoomOutAt), 3);
    EXPECT_EQ(SessionState.MiddleLatch, 1);
}

TEST_F(ModelingWheel, ThePointerDecidesNotTheMessagesWindow)
{
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10), OtherWindow()));
    fake.windowUnderPointer = OtherWindow();
    ExpectPass(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10), Figure()), WM_MOUSEWHEEL);
    EXPECT_EQ(Calls(SandboxZoomInAt), 1);
}

TEST_F(ModelingWheel, ScreenPointsLeftOfOrAboveThePrimaryMonitorAreNegative)
{
    Deliver(WM_MOUSEWHEEL, Wheel(-120), At(-300, -5));
    EXPECT_EQ(fake.lastWindowFromPoint.x, -300);
    EXPECT_EQ(fake.lastWindowFromPoint.y, -5);
}

TEST_F(ModelingWheel, AHostFailureStillBlanksTheMessageAndReleasesTheScene)
{
    host->throwFrom = SandboxZoomInAt;
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10)));
    ExpectReferencesBalanced();
    EXPECT_EQ(Calls(SandboxReleaseScene), 1);
    host->throwFrom = SandboxNoOperation;
    host->nullFrom = SandboxGetScene;
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10)));
    EXPECT_EQ(Calls(SandboxZoomInAt), 1);
    ExpectReferencesBalanced();
}

TEST_F(ModelingWheel, CameraModeOutsideThePerspectivePaneZoomsThroughTheLatch)
{
    SessionState.Mode = CameraMode;
    PluginSettings.PerspectiveOnly = 1;
    PointerInTopPane();
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10)));
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10)));
    EXPECT_EQ(Calls(SandboxZoomInAt), 1);
    EXPECT_EQ(Calls(SandboxSetEye), 0);
}

// Each turn is peeked at and then removed, as the host does; the fake's
// double-click time is 432 ms.
TEST_F(ModelingWheel, PartsOfANotchAddUpToOneZoomPerWholeNotch)
{
    struct Case {
        const char* what;
        std::vector<WheelTurn> turns;
        int zoomsIn;
        int zoomsOut;
    };
    const Case cases[] = {
        {"four parts of 30 are one notch", {{-30, 0, 0}, {-30, 0, 0}, {-30, 0, 0}, {-30, 0, 0}}, 1, 0},
        {"one whole notch", {{-120, 0, 0}}, 1, 0},
        {"the peeked copy does not count: three parts are no notch", {{30, 0, 0}, {30, 0, 0}, {30, 0, 0}}, 0, 0},
        {"the rest counts toward the next notch", {{90, 0, 0}, {60, 0, 0}, {90, 0, 0}}, 0, 2},
        {"a change of direction starts afresh",
         {{-30, 0, 0}, {-30, 0, 0}, {-30, 0, 0}, {30, 0, 0}, {-30, 0, 0}, {-30, 0, 0}, {-30, 0, 0}},
         0,
         0},
        {"a whole notch drops the parts before it", {{-90, 0, 0}, {-120, 0, 0}, {-90, 0, 0}}, 1, 0},
        {"and so does a whole notch the other way", {{90, 0, 0}, {120, 0, 0}, {90, 0, 0}}, 0, 1},
        {"a change of the centre setting starts afresh", {{-60, 0, 0}, {-60, MK_CONTROL, 0}}, 0, 0},
        {"a pause of the double-click time keeps the sum", {{-60, 0, 1000}, {-60, 0, 1432}}, 1, 0},
        {"a longer pause starts afresh", {{-60, 0, 1000}, {-60, 0, 1433}}, 0, 0},
    };
    for (const Case& c : cases) {
        sandbox_host_reset();
        SessionState.WheelSum = WheelSumRecord{};
        DeliverTurns(c.turns, true);
        EXPECT_EQ(Calls(SandboxZoomInAt), c.zoomsIn) << c.what;
        EXPECT_EQ(Calls(SandboxZoomOutAt), c.zoomsOut) << c.what;
    }
    ExpectReferencesBalanced();
}

TEST_F(CameraWheel, WheelSettingsByLeftRightMiddleThenNone)
{
    PluginSettings.Option4 = 2;   // none: focal length
    PluginSettings.Option5 = 1;   // left: target
    PluginSettings.Option6 = 0;   // right: eye
    PluginSettings.Option7 = -1;  // middle: out of the set, bank
    struct Case {
        WORD keys;
        SandboxOperation expected;
    };
    const Case cases[] = {{0, SandboxSetZoom},
                          {MK_LBUTTON | MK_RBUTTON, SandboxSetTarget},
                          {MK_RBUTTON | MK_MBUTTON, SandboxSetEye},
                          {MK_MBUTTON, SandboxSetBank}};
    for (const Case& c : cases) {
        sandbox_host_reset();
        Deliver(WM_MOUSEWHEEL, Wheel(-120, c.keys), At(10, 10));
        EXPECT_EQ(Calls(c.expected), 1) << c.keys;
    }
}

// The eye starts 10 from the target; a step away from the user backs it off by 1 % (0.1 % with Shift). A notch peeked
// at and then removed, as the sandbox host does, is one step too, without the latch. The double-click time is 432 ms.
TEST_F(CameraWheel, PartsOfANotchAddUpToOneStepPerWholeNotchPeekedOrNot)
{
    struct Case {
        const char* what;
        std::vector<WheelTurn> turns;
        bool peekedFirst;
        int steps;
        float eyeZ;
        int speed = 100;
    };
    const Case cases[] = {
        {"four parts of 30 are one step", {{30, 0, 0}, {30, 0, 0}, {30, 0, 0}, {30, 0, 0}}, false, 1, 10.1f},
        {"one whole notch", {{120, 0, 0}}, false, 1, 10.1f}, {"peeked first", {{120, 0, 0}}, true, 1, 10.1f},
        {"a Ctrl notch toward the target at x4, peeked first", {{-120, MK_CONTROL, 0}}, true, 1, 6.0f, 400},
        {"at most half the distance at x10", {{-120, MK_CONTROL, 0}}, true, 1, 5.0f, 1000},
        {"four peeked and removed parts of 30 too", {{30, 0, 0}, {30, 0, 0}, {30, 0, 0}, {30, 0, 0}}, true, 1, 10.1f},
        {"the rest counts toward the next step", {{90, 0, 0}, {60, 0, 0}, {90, 0, 0}}, false, 2, 10.201f},
        {"a change of direction starts afresh", {{30, 0, 0}, {30, 0, 0}, {30, 0, 0}, {-30, 0, 0}, {-30, 0, 0}}, false, 0,
         10.0f},
        {"a change of the button held starts afresh", {{60, 0, 0}, {60, MK_LBUTTON, 0}}, false, 0, 10.0f},
        {"Shift changes the step, not the operation", {{60, 0, 0}, {60, MK_SHIFT, 0}}, false, 1, 10.01f},
        {"a longer pause than the double-click time starts afresh", {{60, 0, 1000}, {60, 0, 1433}}, false, 0, 10.0f},
    };
    for (const Case& c : cases) {
        sandbox_host_reset();
        SessionState.WheelSum = WheelSumRecord{}, PluginSettings.WheelSpeed = c.speed;
        DeliverTurns(c.turns, c.peekedFirst);
        EXPECT_EQ(Calls(SandboxSetEye) + Calls(SandboxSetTarget), c.steps) << c.what;
        EXPECT_NEAR(host->eye.z, c.eyeZ, 1e-4f) << c.what;
    }
    EXPECT_EQ(SessionState.MiddleLatch, 1);
    ExpectReferencesBalanced();
}

TEST_F(CameraWheel, PerspectiveOnlyTakesTheWheelOverThePerspectivePaneOnly)
{
    PluginSettings.PerspectiveOnly = 1;
    PointerInPerspectivePane();
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(120), At(150, 150)));
    EXPECT_EQ(Calls(SandboxSetEye), 1);
    ExpectReferencesBalanced();
}

}  // namespace
