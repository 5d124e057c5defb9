#include <gtest/gtest.h>

#include <windows.h>

#include <limits>
#include <vector>

#include "camera/geometry.h"
#include "camera/wheel_operations.h"
#include "host/host_call.h"
#include "tests/support/camera_test_fixture.h"

namespace {

constexpr int16_t TurnedAway = 120;
constexpr int16_t TurnedToward = -120;
constexpr uint16_t NoKeys = 0;

using WheelTest = CameraOperationTest;

TEST_F(WheelTest, DollyEyeTurnedAwayBacksOffWithRotatePlusAndApproachesWithRotateMinus)
{
    DollyEye(TurnedAway, NoKeys);
    EXPECT_FLOAT_EQ(host->eye.z, 10.1f);
    EXPECT_EQ(host->eye.x, 0.0f);
    EXPECT_EQ(host->eye.y, 0.0f);
    EXPECT_EQ(CallSequence(), (std::vector<int>{SandboxGetScene, SandboxGetCamera, SandboxGetEye, SandboxGetTarget,
                                                SandboxSetEye, SandboxReleaseCamera, SandboxReleaseScene}));
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetEye);
    EXPECT_EQ(OperationAfterRepaint(), SandboxReleaseCamera);
    ExpectReferencesBalanced();

    sandbox_host_reset();
    PluginSettings.Rotate = -1;
    DollyEye(TurnedAway, NoKeys);
    EXPECT_FLOAT_EQ(host->eye.z, 9.9f);
}

TEST_F(WheelTest, DollyEyeScalesAboutTheTarget)
{
    host->target = SandboxPoint{1, 2, 3};
    host->eye = SandboxPoint{1, 12, 3};
    DollyEye(TurnedToward, NoKeys);  // Rotate +1: the eye approaches
    EXPECT_FLOAT_EQ(host->eye.y, 11.9f);
    EXPECT_EQ(host->eye.x, 1.0f);
    EXPECT_EQ(host->eye.z, 3.0f);
}

TEST_F(WheelTest, DollyTargetTurnedAwayBringsTheTargetCloser)
{
    DollyTarget(TurnedAway, NoKeys);
    EXPECT_NEAR(host->target.z, 0.1f, 1e-5f);
    EXPECT_EQ(host->eye.z, 10.0f);
    EXPECT_EQ(CallSequence(), (std::vector<int>{SandboxGetScene, SandboxGetCamera, SandboxGetEye, SandboxGetTarget,
                                                SandboxSetTarget, SandboxReleaseCamera, SandboxReleaseScene}));
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetTarget);

    sandbox_host_reset();
    DollyTarget(TurnedToward, NoKeys);
    EXPECT_NEAR(host->target.z, -0.1f, 1e-5f);
}

TEST_F(WheelTest, ShiftPicksTheFineStepEvenWithControlAndEveryStepGoesWheelSpeedPercentAsFar)
{
    const struct { int32_t speed; void (*step)(int16_t, uint16_t); uint16_t keys; int16_t delta; float to; } rows[] = {
        {100, DollyEye, MK_SHIFT | MK_CONTROL, TurnedAway, 10.01f}, {100, DollyEye, MK_CONTROL, TurnedAway, 11.0f},
        {100, DollyEye, MK_SHIFT, TurnedAway, 10.01f}, {100, ChangeBank, MK_SHIFT | MK_CONTROL, TurnedToward, 0.005f},
        {100, ChangeBank, MK_CONTROL, TurnedToward, 0.1f}, {100, ChangeBank, NoKeys, TurnedToward, 0.05f},
        {400, DollyEye, NoKeys, TurnedAway, 10.4f}, {400, DollyEye, MK_SHIFT, TurnedAway, 10.04f},
        {1000, DollyEye, MK_CONTROL, TurnedToward, 5.0f},  // halved at most: never onto the target
        {5000, DollyEye, MK_CONTROL, TurnedAway, 20.0f}, {5, DollyTarget, NoKeys, TurnedAway, 0.01f},  // as 1000, 10
        {200, ChangeFocalLength, NoKeys, TurnedToward, 35.7f}, {1000, ChangeFocalLength, MK_CONTROL, TurnedAway, 17.5f},
        {1000, ChangeBank, MK_CONTROL, TurnedToward, 1.0f}, {300, ChangeBank, MK_SHIFT, TurnedAway, -0.015f},
    };
    for (const auto& r : rows) {
        sandbox_host_reset(), PluginSettings.WheelSpeed = r.speed;
        r.step(r.delta, r.keys);
        const float result = r.step == DollyEye ? host->eye.z : r.step == DollyTarget ? host->target.z
                                                             : r.step == ChangeBank ? host->bank : host->zoom;
        EXPECT_NEAR(result, r.to, 1e-4f) << r.speed << ", keys " << r.keys << ", delta " << r.delta;
    }
}

TEST_F(WheelTest, FocalLengthStaysWithinNineAndSevenHundredTwenty)
{
    host->zoom = 100.0f;
    ChangeFocalLength(TurnedAway, NoKeys);  // Rotate +1: shrinks
    EXPECT_FLOAT_EQ(host->zoom, 99.0f);
    EXPECT_EQ(CallSequence(), (std::vector<int>{SandboxGetScene, SandboxGetCamera, SandboxGetZoom, SandboxSetZoom,
                                                SandboxReleaseCamera, SandboxReleaseScene}));
    EXPECT_EQ(Repaints(), 1);

    host->zoom = 9.0f;
    ChangeFocalLength(TurnedAway, NoKeys);
    EXPECT_EQ(host->zoom, 9.0f);

    host->zoom = 700.0f;
    StartCountingRepaints();
    ChangeFocalLength(TurnedToward, MK_CONTROL);
    EXPECT_EQ(host->zoom, 720.0f);
    EXPECT_EQ(Repaints(), 1);
    ExpectReferencesBalanced();
}

TEST_F(WheelTest, BankClampedAtPiIsWrittenButNotRepainted)
{
    host->bank = 3.1f;
    ChangeBank(TurnedToward, NoKeys);
    EXPECT_EQ(host->bank, Pi);
    EXPECT_EQ(Calls(SandboxSetBank), 1);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();

    StartCountingRepaints();
    ChangeBank(TurnedAway, NoKeys);
    EXPECT_FLOAT_EQ(host->bank, 3.0915928f);
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetBank);

    host->bank = -3.1f;
    StartCountingRepaints();
    ChangeBank(TurnedAway, NoKeys);
    EXPECT_EQ(host->bank, -Pi);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(WheelTest, BankDirectionIgnoresRotate)
{
    PluginSettings.Rotate = 1;
    ChangeBank(TurnedAway, NoKeys);
    EXPECT_FLOAT_EQ(host->bank, -0.05f);
    PluginSettings.Rotate = -1;
    ChangeBank(TurnedAway, NoKeys);
    EXPECT_FLOAT_EQ(host->bank, -0.1f);
}

TEST_F(WheelTest, ADeltaOfZeroCountsAsTowardForEyeAndBankAndAwayForTheOthers)
{
    DollyEye(0, NoKeys);  // as toward: the eye approaches
    EXPECT_FLOAT_EQ(host->eye.z, 9.9f);
    DollyTarget(0, NoKeys);  // as away: the target approaches the eye
    EXPECT_NEAR(host->target.z, 0.099f, 1e-5f);
    ChangeFocalLength(0, NoKeys);  // as away: shrinks
    EXPECT_FLOAT_EQ(host->zoom, 34.65f);
    ChangeBank(0, NoKeys);  // as toward: increases
    EXPECT_FLOAT_EQ(host->bank, 0.05f);
}

TEST_F(WheelTest, WithRotateMinusTheZoomDirectionsSwap)
{
    PluginSettings.Rotate = -1;
    ChangeFocalLength(TurnedAway, NoKeys);
    EXPECT_FLOAT_EQ(host->zoom, 35.35f);
    DollyTarget(TurnedAway, NoKeys);
    EXPECT_NEAR(host->target.z, -0.1f, 1e-5f);
}

TEST_F(WheelTest, ValuesWithoutAFiniteResultAreNotWritten)
{
    host->zoom = std::numeric_limits<float>::quiet_NaN();
    ChangeFocalLength(TurnedAway, NoKeys);
    host->bank = std::numeric_limits<float>::quiet_NaN();
    ChangeBank(TurnedAway, NoKeys);
    host->eye = SandboxPoint{0, 0, 3.3e38f};  // one coarse step backs off past the largest float
    DollyEye(TurnedAway, MK_CONTROL);
    host->eye = SandboxPoint{0, 0, 0};
    host->target = SandboxPoint{0, 0, 3.3e38f};
    DollyTarget(TurnedToward, MK_CONTROL);
    EXPECT_EQ(Calls(SandboxSetZoom), 0);
    EXPECT_EQ(Calls(SandboxSetBank), 0);
    EXPECT_EQ(Calls(SandboxSetEye), 0);
    EXPECT_EQ(Calls(SandboxSetTarget), 0);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(WheelTest, AnInfiniteZoomIsClampedLikeAnyOther)
{
    host->zoom = std::numeric_limits<float>::infinity();
    ChangeFocalLength(TurnedAway, NoKeys);
    EXPECT_EQ(host->zoom, 720.0f);
}

TEST_F(WheelTest, WithoutTheHostApplicationNothingHappens)
{
    SessionState.App = nullptr;
    DollyEye(TurnedAway, NoKeys);
    DollyTarget(TurnedAway, NoKeys);
    ChangeFocalLength(TurnedAway, NoKeys);
    ChangeBank(TurnedAway, NoKeys);
    EXPECT_EQ(host->callCount, 0);
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(WheelTest, HostExceptionsAndMissingObjectsReleaseEveryReferenceAndSkipTheRepaint)
{
    const struct {
        void (*step)(int16_t, uint16_t);
        SandboxOperation throwing;
        SandboxOperation empty;
    } cases[] = {
        {DollyEye, SandboxGetEye, SandboxNoOperation},           {DollyEye, SandboxSetEye, SandboxNoOperation},
        {DollyTarget, SandboxSetTarget, SandboxNoOperation},     {ChangeFocalLength, SandboxGetZoom, SandboxNoOperation},
        {ChangeFocalLength, SandboxSetZoom, SandboxNoOperation}, {ChangeBank, SandboxGetCamera, SandboxNoOperation},
        {ChangeBank, SandboxSetBank, SandboxNoOperation},        {DollyEye, SandboxNoOperation, SandboxGetScene},
        {DollyTarget, SandboxNoOperation, SandboxGetCamera},     {ChangeFocalLength, SandboxNoOperation, SandboxGetCamera},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "throwing " << c.throwing << ", null from " << c.empty);
        sandbox_host_reset();
        host->throwFrom = c.throwing;
        host->nullFrom = c.empty;
        StartCountingRepaints();
        EXPECT_THROW(c.step(TurnedToward, NoKeys), HostCallFailed);
        ExpectReferencesBalanced();
        EXPECT_EQ(Calls(SandboxReleaseScene), c.empty == SandboxGetScene ? 0 : 1);
        EXPECT_EQ(Repaints(), 0);
    }
}

}  // namespace
