#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "camera/drag_operations.h"
#include "camera/geometry.h"
#include "host/host_call.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/camera_test_fixture.h"

namespace {

void ExpectNear(const SandboxPoint& actual, float x, float y, float z, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
    EXPECT_NEAR(actual.z, z, tolerance);
}

Vec3 ToVec3(const SandboxPoint& p)
{
    return Vec3{p.x, p.y, p.z};
}

Mat4 ViewMatrixOf(const SandboxHostState& state)
{
    Mat4 view;
    for (int i = 0; i < 16; ++i)
        view.m[i / 4][i % 4] = state.viewMatrix[i];
    return view;
}

using DragTest = CameraOperationTest;

TEST_F(DragTest, OrbitEyeQuarterTurnCarriesTheEyeFromZToX)
{
    OrbitEye(90.0f, 0.0f);
    ExpectNear(host->eye, 10.0f, 0.0f, 0.0f);
    ExpectNear(host->target, 0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(SessionState.OrbitVerticalSign, 1);
    EXPECT_EQ(CallSequence(), (std::vector<int>{SandboxGetScene, SandboxGetCamera, SandboxGetEye, SandboxGetTarget,
                                                SandboxSetEye, SandboxReleaseCamera, SandboxReleaseScene}));
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetEye);
    EXPECT_EQ(OperationAfterRepaint(), SandboxReleaseCamera);
    ExpectReferencesBalanced();
}

TEST_F(DragTest, OrbitTargetQuarterTurnGoesTheOtherWay)
{
    host->eye = SandboxPoint{0, 0, 0};
    host->target = SandboxPoint{0, 0, 10};
    OrbitTarget(90.0f, 0.0f);
    ExpectNear(host->target, -10.0f, 0.0f, 0.0f);
    ExpectNear(host->eye, 0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(CallSequence(), (std::vector<int>{SandboxGetScene, SandboxGetCamera, SandboxGetEye, SandboxGetTarget,
                                                SandboxSetTarget, SandboxReleaseCamera, SandboxReleaseScene}));
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetTarget);
    ExpectReferencesBalanced();
}

TEST_F(DragTest, OrbitingOverThePoleFlipsTheVerticalSignAndContinuesOnTheFarSide)
{
    host->shapes[host->shapeCount++] = SandboxShape{{}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, 0, 1};
    for (const auto orbit : {OrbitEye, OrbitAboutSelection}) {  // about the selection at the target as about it
        host->eye = SandboxPoint{0, 10, 10};
        orbit(0.0f, -50.0f);  // polar angle 45° − 50° = −5°
        ExpectNear(host->eye, 0.0f, 14.088f, -1.233f, 1e-3f);
        EXPECT_EQ(SessionState.OrbitVerticalSign, -1);

        orbit(0.0f, -10.0f);  // with the sign −1: 5° + 10° = 15° on the far side
        ExpectNear(host->eye, 0.0f, 13.660f, -3.660f, 1e-3f);
        EXPECT_EQ(std::exchange(SessionState.OrbitVerticalSign, 1), -1);
        const float distance = std::sqrt(host->eye.x * host->eye.x + host->eye.y * host->eye.y +
                                         host->eye.z * host->eye.z);
        EXPECT_NEAR(distance, std::sqrt(200.0f), 1e-4f);
    }
    EXPECT_EQ(Repaints(), 4) << "one per step";
    for (const auto& [from, dy] : {std::pair{90.0f, -360.0f}, std::pair{170.0f, 200.0f}}) {  // over both poles
        host->eye = SandboxPoint{0, 10 * std::cos(DegreesToRadians(from)), 10 * std::sin(DegreesToRadians(from))};
        OrbitEye(0.0f, dy), OrbitEye(0.0f, 10.0f);  // upright again: the next step turns the way the hand goes
        const float to = DegreesToRadians(from + dy + 10.0f);
        ExpectNear(host->eye, 0.0f, 10 * std::cos(to), 10 * std::sin(to), 1e-3f);
    }
    ExpectReferencesBalanced();
}

TEST_F(DragTest, AFailedWriteOverThePoleKeepsTheVerticalSign)
{
    host->eye = SandboxPoint{0, 10, 10};
    host->throwFrom = SandboxSetEye;
    EXPECT_THROW(OrbitEye(0.0f, -50.0f), HostCallFailed);
    EXPECT_EQ(SessionState.OrbitVerticalSign, 1);
    host->eye = SandboxPoint{0, 0, 0};
    host->target = SandboxPoint{0, -10, 10};
    host->throwFrom = SandboxSetTarget;
    EXPECT_THROW(OrbitTarget(0.0f, 50.0f), HostCallFailed);
    EXPECT_EQ(SessionState.OrbitVerticalSign, 1);
    ExpectReferencesBalanced();
}

TEST_F(DragTest, OrbitTargetOverThePoleFlipsTheSameSign)
{
    host->eye = SandboxPoint{0, 0, 0};
    host->target = SandboxPoint{0, -10, 10};  // 135° from +y
    OrbitTarget(0.0f, 50.0f);                 // 185°: past π
    EXPECT_EQ(SessionState.OrbitVerticalSign, -1);
    ExpectNear(host->target, 0.0f, -14.088f, -1.233f, 1e-3f);
}

// The pivot keeps its distances, the view turns to `polar` as OrbitEye and, both ways reversed, OrbitTarget turn it,
// over the pole or stopping short of it; then a sign -1 left by a drag over a pole plays no part.
TEST_F(DragTest, OrbitAboutSelectionTurnsTheViewAsOrbitEyeAndKeepsThePivotsDistances)
{
    const struct { SandboxPoint eye, pivot; float dx, dy; int selected, stop; float polar; } cases[] = {
        {{0, 10, 10}, {4, 1, -3}, 0, -50, 1, 0, -5}, {{4, 6, -3}, {4, 1, -3}, 25, 40, 1, 0, 79.8056f},
        {{0, 10, 0}, {-2, 3, 5}, 30, 20, 1, 0, 20}, {{3, 4, 10}, {4, 1, -3}, 15, -5, 0, 0, 64.0366f},
        {{3, 4, 10}, {NAN, 1, -3}, 15, -5, 1, 0, 64.0366f},  // no pivot: the target's
        {{0, 10, 10}, {4, 1, -3}, 20, -50, 1, 1, 0.5f}, {{0, -10, 10}, {-2, 3, 5}, -15, 50, 1, 1, 179.5f},  // the stops
        {{0, 9.99962f, 0.0872654f}, {4, 1, -3}, 10, 1, 1, 1, 1.5f},  // from the stop back at once
        {{0, 9.99994f, 0.0349065f}, {4, 1, -3}, 0, 0.1f, 1, 1, 0.5f},  // from past the stop, away from the pole
        {{0, 10, 0}, {-2, 3, 5}, 30, -20, 1, 1, 0.5f}, {{0, -10, 0}, {-2, 3, 5}, 5, -20, 1, 1, 160},  // at a pole
        {{0, 0, 0}, {4, 1, -3}, 30, 20, 1, 1, 0}, {{0, 0, 0}, {4, 1, -3}, 0, 20, 1, 1, 0}};  // at the target: a pivot
    const auto apart = [](SandboxPoint a, SandboxPoint b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); };
    for (const auto& c : cases) {
        const int start = c.stop ? -1 : 1;
        PluginSettings.StopAtPoles = c.stop;
        SessionState.OrbitVerticalSign = start;
        host->eye = c.eye;
        host->shapeCount = c.selected;
        host->shapes[0] = SandboxShape{c.pivot, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, 0, 1};
        TakeOrbitPivot();
        OrbitAboutSelection(c.dx, c.dy);
        const SandboxPoint e = std::exchange(host->eye, c.eye), t = std::exchange(host->target, SandboxPoint{});
        const int sign = std::exchange(SessionState.OrbitVerticalSign, start);
        OrbitEye(c.dx, c.dy);  // about the origin: its eye is the view's new direction
        const SandboxPoint p = c.selected && !std::isnan(c.pivot.x) ? c.pivot : SandboxPoint{};
        EXPECT_NEAR(apart(e, p), apart(c.eye, p), 1e-4f) << c.dx << ", " << c.dy;
        EXPECT_GT(apart(e, c.eye), 0.0f) << c.dx << ", " << c.dy;
        EXPECT_NEAR(apart(t, p), apart(SandboxPoint{}, p), 1e-4f) << c.dx << ", " << c.dy;
        ExpectNear(SandboxPoint{e.x - t.x, e.y - t.y, e.z - t.z}, host->eye.x, host->eye.y, host->eye.z);
        EXPECT_EQ(std::exchange(SessionState.OrbitVerticalSign, start), sign);
        EXPECT_TRUE(c.stop == 0 || sign == start) << "stopping at the poles never flips the sign";
        const float a = std::atan2(c.eye.x, c.eye.z) + DegreesToRadians(c.dx), f = DegreesToRadians(c.polar);
        const float r = apart(c.eye, SandboxPoint{});
        ExpectNear(host->eye, r * std::sin(a) * std::sin(f), r * std::cos(f), r * std::cos(a) * std::sin(f), 1e-3f);
        const SandboxPoint view = std::exchange(host->eye, SandboxPoint{});
        host->target = SandboxPoint{-c.eye.x, -c.eye.y, -c.eye.z};
        OrbitTarget(-c.dx, -c.dy);
        ExpectNear(SandboxPoint{-host->target.x, -host->target.y, -host->target.z}, view.x, view.y, view.z, 1e-3f);
        EXPECT_EQ(SessionState.OrbitVerticalSign, sign) << c.dx << ", " << c.dy;
        host->target = SandboxPoint{};
    }
}

TEST_F(DragTest, NoMovementMeansNoHostCallAndNoRepaint)
{
    OrbitEye(0.0f, 0.0f);
    OrbitTarget(0.0f, 0.0f);
    PanCamera(0.0f, 0.0f);
    EXPECT_EQ(host->callCount, 0);
    EXPECT_EQ(host->referencesObtained, 0);
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(DragTest, WithoutTheHostApplicationNothingHappens)
{
    SessionState.App = nullptr;
    OrbitEye(5.0f, 5.0f);
    OrbitTarget(5.0f, 5.0f);
    PanCamera(5.0f, 5.0f);
    EXPECT_EQ(host->callCount, 0);
    EXPECT_EQ(Repaints(), 0);
}

TEST_F(DragTest, PanWithIdentityViewMovesEyeAndTargetAlike)
{
    PanCamera(3.0f, 4.0f);
    ExpectNear(host->eye, 3.0f, -4.0f, 10.0f, 0.0f);
    ExpectNear(host->target, 3.0f, -4.0f, 0.0f, 0.0f);
    EXPECT_EQ(CallSequence(),
              (std::vector<int>{SandboxGetScene, SandboxGetCamera, SandboxGetEye, SandboxGetTarget,
                                SandboxGetViewMatrix, SandboxSetEye, SandboxSetTarget, SandboxReleaseCamera,
                                SandboxReleaseScene}));
    EXPECT_EQ(Repaints(), 1);
    EXPECT_EQ(OperationBeforeRepaint(), SandboxSetTarget);
    EXPECT_EQ(OperationAfterRepaint(), SandboxReleaseCamera);
    ExpectReferencesBalanced();
}

TEST_F(DragTest, PanMovesBothPointsByDxMinusDyInViewSpace)
{
    // A view turned 90° about y and shifted: x_view = −z, z_view = x.
    float view[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 5, -2, 3, 1};
    std::copy(view, view + 16, host->viewMatrix);
    host->eye = SandboxPoint{1, 2, 8};
    host->target = SandboxPoint{-3, 0.5f, 1};
    const Mat4 v = ViewMatrixOf(*host);
    const Vec3 eyeBefore = TransformPoint(ToVec3(host->eye), v);
    const Vec3 targetBefore = TransformPoint(ToVec3(host->target), v);

    PanCamera(6.0f, -2.0f);
    const Vec3 eyeAfter = TransformPoint(ToVec3(host->eye), v);
    const Vec3 targetAfter = TransformPoint(ToVec3(host->target), v);
    EXPECT_NEAR(eyeAfter.x - eyeBefore.x, 6.0f, 1e-5f);
    EXPECT_NEAR(eyeAfter.y - eyeBefore.y, 2.0f, 1e-5f);
    EXPECT_NEAR(eyeAfter.z - eyeBefore.z, 0.0f, 1e-5f);
    EXPECT_NEAR(targetAfter.x - targetBefore.x, 6.0f, 1e-5f);
    EXPECT_NEAR(targetAfter.y - targetBefore.y, 2.0f, 1e-5f);
    EXPECT_NEAR(targetAfter.z - targetBefore.z, 0.0f, 1e-5f);
}

TEST_F(DragTest, PanThroughASingularViewMapsBackThroughTheViewItself)
{
    std::fill(host->viewMatrix, host->viewMatrix + 16, 0.0f);
    host->viewMatrix[0] = 1.0f;   // [0][0]
    host->viewMatrix[5] = 1.0f;   // [1][1]; [2][2] stays 0
    host->viewMatrix[15] = 1.0f;  // [3][3]
    host->eye = SandboxPoint{1, 2, 10};
    PanCamera(3.0f, 4.0f);
    ExpectNear(host->eye, 4.0f, -2.0f, 0.0f, 0.0f);
    ExpectNear(host->target, 3.0f, -4.0f, 0.0f, 0.0f);
}

TEST_F(DragTest, CoincidentEyeAndTargetLeaveTheCameraUnchanged)
{
    host->eye = SandboxPoint{2, 3, 4};
    host->target = SandboxPoint{2, 3, 4};
    OrbitEye(10.0f, 10.0f);
    OrbitTarget(10.0f, 10.0f);
    EXPECT_EQ(Calls(SandboxSetEye), 0);
    EXPECT_EQ(Calls(SandboxSetTarget), 0);
    EXPECT_EQ(SessionState.OrbitVerticalSign, 1);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(DragTest, PanWithNoFiniteResultLeavesTheCameraUnchanged)
{
    host->viewMatrix[15] = 0.0f;  // divides every mapped point by zero
    PanCamera(3.0f, 4.0f);
    EXPECT_EQ(Calls(SandboxSetEye), 0);
    EXPECT_EQ(Calls(SandboxSetTarget), 0);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(DragTest, HostExceptionsAndMissingObjectsReleaseEveryReferenceAndSkipTheRepaint)
{
    const struct {
        void (*drag)(float, float);
        SandboxOperation throwing;
        SandboxOperation empty;
    } cases[] = {
        {OrbitEye, SandboxGetCamera, SandboxNoOperation},   {OrbitEye, SandboxGetTarget, SandboxNoOperation},
        {OrbitEye, SandboxSetEye, SandboxNoOperation},      {OrbitTarget, SandboxSetTarget, SandboxNoOperation},
        {PanCamera, SandboxGetViewMatrix, SandboxNoOperation}, {PanCamera, SandboxSetEye, SandboxNoOperation},
        {PanCamera, SandboxSetTarget, SandboxNoOperation},  {OrbitEye, SandboxNoOperation, SandboxGetScene},
        {OrbitTarget, SandboxNoOperation, SandboxGetCamera}, {PanCamera, SandboxNoOperation, SandboxGetCamera},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "throwing " << c.throwing << ", null from " << c.empty);
        sandbox_host_reset();
        host->onSceneChanged = [](void* window) { InvalidateRect(static_cast<HWND>(window), nullptr, FALSE); };
        host->onSceneChangedContext = figure;
        host->throwFrom = c.throwing;
        host->nullFrom = c.empty;
        StartCountingRepaints();
        EXPECT_THROW(c.drag(5.0f, 5.0f), HostCallFailed);
        ExpectReferencesBalanced();
        const bool noCamera = c.throwing == SandboxGetCamera || c.empty == SandboxGetCamera ||
                              c.empty == SandboxGetScene;
        EXPECT_EQ(Calls(SandboxReleaseCamera), noCamera ? 0 : 1);
        EXPECT_EQ(Calls(SandboxReleaseScene), c.empty == SandboxGetScene ? 0 : 1);
        EXPECT_EQ(Repaints(), 0);
    }
}

TEST_F(DragTest, ADragStepAllocatesNothing)
{
    // The counter sees allocations at all, so an unchanged count below means something.
    static void* volatile probe;
    const int64_t beforeProbe = AllocationCount();
    probe = ::operator new(16);
    ::operator delete(probe);
    ASSERT_EQ(AllocationCount(), beforeProbe + 1);

    host->eye = SandboxPoint{3, 4, 10};
    SessionState.OrbitPivotTaken = SessionState.OrbitPivotFound = 1;  // found at the press
    const int64_t before = AllocationCount();
    OrbitEye(3.0f, -2.0f);
    OrbitTarget(-1.5f, 0.5f);
    PanCamera(2.0f, 1.0f);
    OrbitAboutSelection(2.0f, -1.0f);
    const int64_t after = AllocationCount();
    EXPECT_EQ(after, before);
    EXPECT_EQ(Calls(SandboxSetEye), 3);
    EXPECT_EQ(Calls(SandboxSetTarget), 3);
}

}  // namespace
