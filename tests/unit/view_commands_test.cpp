#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "camera/view_commands.h"
#include "host/host_call.h"
#include "tests/support/camera_test_fixture.h"

namespace {

class ViewCommandTest : public CameraOperationTest {
protected:
    void AddShape(SandboxPoint centre, SandboxPoint translation = SandboxPoint{0, 0, 0}, bool active = true)
    {
        SandboxShape& shape = host->shapes[host->shapeCount++];
        shape = SandboxShape{};
        shape.centre = centre;
        for (int i = 0; i < 4; ++i)
            shape.transformation[i * 5] = 1.0f;
        shape.transformation[12] = translation.x;
        shape.transformation[13] = translation.y;
        shape.transformation[14] = translation.z;
        shape.active = active ? 1 : 0;
    }

    // The point passed by the last logged call.
    SandboxPoint LastPoint() const { return host->calls[host->callCount - 1].point; }
};

TEST_F(ViewCommandTest, WithoutActiveShapesTheSelectionCentreIsTheDrawingCentre)
{
    host->drawingCentre = SandboxPoint{4, 5, 6};
    AddShape(SandboxPoint{1, 1, 1}, SandboxPoint{0, 0, 0}, false);
    {
        const Scene scene = Scene::Of(*SessionState.App);
        const Vec3 centre = SelectionCentre(scene);
        EXPECT_EQ(centre.x, 4.0f);
        EXPECT_EQ(centre.y, 5.0f);
        EXPECT_EQ(centre.z, 6.0f);
    }
    EXPECT_EQ(CallSequence(),
              (std::vector<int>{SandboxGetScene, SandboxGetActiveShapes, SandboxGetDrawingCentre, SandboxReleaseScene}));
    EXPECT_EQ(host->calls[1].argument, 0) << "the count is asked for without an array";
    ExpectReferencesBalanced();
}

TEST_F(ViewCommandTest, TheSelectionCentreIsTheMeanOfTheShapeCentresInWorldSpace)
{
    AddShape(SandboxPoint{0, 0, 0});
    AddShape(SandboxPoint{2, 4, 6});
    {
        const Scene scene = Scene::Of(*SessionState.App);
        const Vec3 centre = SelectionCentre(scene);
        EXPECT_EQ(centre.x, 1.0f);
        EXPECT_EQ(centre.y, 2.0f);
        EXPECT_EQ(centre.z, 3.0f);
    }
    // Each shape's transformation is read before its centre.
    EXPECT_EQ(CallSequence(),
              (std::vector<int>{SandboxGetScene, SandboxGetActiveShapes, SandboxGetActiveShapes,
                                SandboxGetTransformation, SandboxGetCentre, SandboxGetTransformation, SandboxGetCentre,
                                SandboxReleaseScene}));
    EXPECT_EQ(host->calls[2].argument, 1) << "the second call fills an array";
    EXPECT_EQ(host->calls[3].argument, 0);
    EXPECT_EQ(host->calls[5].argument, 1);
    ExpectReferencesBalanced();
}

TEST_F(ViewCommandTest, AShapesTransformationPlacesItsCentre)
{
    AddShape(SandboxPoint{0, 0, 0}, SandboxPoint{10, 0, 0});
    const Scene scene = Scene::Of(*SessionState.App);
    const Vec3 centre = SelectionCentre(scene);
    EXPECT_EQ(centre.x, 10.0f);
    EXPECT_EQ(centre.y, 0.0f);
    EXPECT_EQ(centre.z, 0.0f);
}

TEST_F(ViewCommandTest, ZoomGoesInOrOutAboutTheGivenCentreWithoutARepaint)
{
    {
        const Scene scene = Scene::Of(*SessionState.App);
        ZoomAboutPoint(scene, Vec3{1.5f, -2.0f, 3.0f}, ZoomDirection::In);
        EXPECT_EQ(host->calls[host->callCount - 1].operation, SandboxZoomInAt);
        EXPECT_EQ(LastPoint().x, 1.5f);
        EXPECT_EQ(LastPoint().y, -2.0f);
        EXPECT_EQ(LastPoint().z, 3.0f);
        ZoomAboutPoint(scene, Vec3{7.0f, 8.0f, 9.0f}, ZoomDirection::Out);
        EXPECT_EQ(host->calls[host->callCount - 1].operation, SandboxZoomOutAt);
        EXPECT_EQ(LastPoint().x, 7.0f);
    }
    EXPECT_EQ(Calls(SandboxZoomInAt), 1);
    EXPECT_EQ(Calls(SandboxZoomOutAt), 1);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(ViewCommandTest, FitAndScrollCommandsCallTheHostOnceWithoutARepaint)
{
    host->drawingCentre = SandboxPoint{4, 5, 6};
    {
        const Scene scene = Scene::Of(*SessionState.App);
        FitDrawing(scene);
        EXPECT_EQ(Calls(SandboxFitDrawing), 1);

        ScrollToOrigin(scene);
        EXPECT_EQ(host->calls[host->callCount - 1].operation, SandboxScrollTo);
        EXPECT_EQ(LastPoint().x, 0.0f);
        EXPECT_EQ(LastPoint().y, 0.0f);
        EXPECT_EQ(LastPoint().z, 0.0f);
        EXPECT_FALSE(std::signbit(LastPoint().x) || std::signbit(LastPoint().y) || std::signbit(LastPoint().z));

        ScrollToSelection(scene);  // nothing selected: the drawing centre
        EXPECT_EQ(host->calls[host->callCount - 1].operation, SandboxScrollTo);
        EXPECT_EQ(LastPoint().x, 4.0f);
        EXPECT_EQ(LastPoint().z, 6.0f);

        AddShape(SandboxPoint{0, 0, 0}, SandboxPoint{10, 0, 0});
        ScrollToSelection(scene);
        EXPECT_EQ(LastPoint().x, 10.0f);
        EXPECT_EQ(LastPoint().y, 0.0f);
    }
    EXPECT_EQ(Calls(SandboxScrollTo), 3);
    EXPECT_EQ(Repaints(), 0);
    ExpectReferencesBalanced();
}

TEST_F(ViewCommandTest, APointThatIsNotFiniteIsNotHandedToTheHost)
{
    AddShape(SandboxPoint{1, 1, 1});
    host->shapes[0].transformation[15] = 0.0f;  // the shape's centre divides by zero
    {
        const Scene scene = Scene::Of(*SessionState.App);
        ScrollToSelection(scene);
        ZoomAboutPoint(scene, SelectionCentre(scene), ZoomDirection::In);
        ZoomAboutPoint(scene, Vec3{0.0f, std::numeric_limits<float>::quiet_NaN(), 0.0f}, ZoomDirection::Out);
    }
    EXPECT_EQ(Calls(SandboxScrollTo), 0);
    EXPECT_EQ(Calls(SandboxZoomInAt), 0);
    EXPECT_EQ(Calls(SandboxZoomOutAt), 0);
    ExpectReferencesBalanced();
}

TEST_F(ViewCommandTest, AHostFailureInTheSelectionLeavesTheScenesHolderToRelease)
{
    const struct {
        SandboxOperation throwing;
        SandboxOperation empty;
    } cases[] = {{SandboxGetCentre, SandboxNoOperation}, {SandboxNoOperation, SandboxGetActiveShapes}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "throwing " << c.throwing << ", null from " << c.empty);
        sandbox_host_reset();
        AddShape(SandboxPoint{1, 2, 3});
        AddShape(SandboxPoint{4, 5, 6});
        host->throwFrom = c.throwing;
        host->nullFrom = c.empty;
        {
            const Scene scene = Scene::Of(*SessionState.App);
            EXPECT_THROW(ScrollToSelection(scene), HostCallFailed);
        }
        EXPECT_EQ(Calls(SandboxScrollTo), 0);
        ExpectReferencesBalanced();
    }
}

}  // namespace
