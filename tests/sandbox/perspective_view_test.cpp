// The sandbox host's perspective pane: the camera's eye, target, bank and
// focal length, and the view matrix it hands to the plug-in.

#include <gtest/gtest.h>

#include <cmath>

#include "sandbox/views/perspective_view.h"

namespace {

const PaneArea Area{0, 16, 400, 316};  // 400 x 300, middle (200, 166)
constexpr double Pi = 3.14159265358979323846;

CameraPose LookingDownZ(double zoom = 36, double bank = 0)
{
    return CameraPose{Point3{0, 0, 10}, Point3{0, 0, 0}, zoom, bank};
}

PanePoint Shown(const CameraPose& pose, const Point3& p)
{
    PanePoint shown{-1, -1};
    EXPECT_TRUE(ProjectPoint(pose, Area, p, &shown));
    return shown;
}

TEST(PerspectiveView, TheTargetShowsAtTheMiddleOfThePane)
{
    for (const CameraPose& pose : {LookingDownZ(), CameraPose{Point3{9, 7, 13}, Point3{0, 1, -1}, 50, 0.4}}) {
        const PanePoint shown = Shown(pose, pose.target);
        EXPECT_NEAR(shown.x, 200, 1e-9);
        EXPECT_NEAR(shown.y, 166, 1e-9);
    }
}

TEST(PerspectiveView, TheFocalLengthIsALensOnA36MillimetreFrameAcrossThePane)
{
    // 18 mm: the half-width of the frame equals the focal length, so a point
    // 45 degrees off the view line shows at the pane's edge.
    EXPECT_NEAR(Shown(LookingDownZ(18), Point3{10, 0, 0}).x, 400, 1e-9);
    // Doubling the focal length doubles every offset from the middle.
    EXPECT_NEAR(Shown(LookingDownZ(36), Point3{10, 0, 0}).x, 200 + 400, 1e-9);
    EXPECT_NEAR(Shown(LookingDownZ(18), Point3{0, 1, 0}).y, 166 - 20, 1e-9) << "up is up";
}

TEST(PerspectiveView, AQuarterTurnOfBankShowsWhatIsRightOfTheTargetBelowIt)
{
    const PanePoint shown = Shown(LookingDownZ(18, Pi / 2), Point3{1, 0, 0});
    EXPECT_NEAR(shown.x, 200, 1e-9);
    EXPECT_NEAR(shown.y, 166 + 20, 1e-9);
}

TEST(PerspectiveView, WhatLiesBehindTheEyeIsNotDrawnAndASegmentThroughTheEyesPlaneIsCut)
{
    PanePoint shown;
    EXPECT_FALSE(ProjectPoint(LookingDownZ(), Area, Point3{0, 0, 12}, &shown));
    PanePoint from, to;
    EXPECT_FALSE(ProjectSegment(LookingDownZ(), Area, Point3{0, 0, 11}, Point3{1, 0, 12}, &from, &to));
    ASSERT_TRUE(ProjectSegment(LookingDownZ(), Area, Point3{1, 0, 0}, Point3{1, 0, 20}, &from, &to));
    EXPECT_NEAR(from.x, 200 + 40, 1e-9);
    EXPECT_TRUE(std::isfinite(to.x) && std::isfinite(to.y));
    EXPECT_GT(to.x, from.x) << "the cut end lies close to the eye, far out to the side";
}

TEST(PerspectiveView, TheViewMatrixPutsTheEyeAtTheOriginAndTheTargetAheadOnMinusZ)
{
    const CameraPose pose{Point3{9, 7, 13}, Point3{0, 1, -1}, 35, 0.3};
    float matrix[16];
    PerspectiveViewMatrix(pose, Area, matrix);
    const Point3 eye = TransformByRows(pose.eye, matrix);
    EXPECT_NEAR(Length(eye), 0, 1e-4);
    const Point3 target = TransformByRows(pose.target, matrix);
    EXPECT_NEAR(target.x, 0, 1e-3);
    EXPECT_NEAR(target.y, 0, 1e-3);
    EXPECT_NEAR(target.z, -FocalPixels(pose, Area), 1e-2) << "one unit is one pixel at the target's distance";
    EXPECT_EQ(matrix[3], 0.0f);
    EXPECT_EQ(matrix[15], 1.0f);
}

TEST(PerspectiveView, OneUnitOfPanInViewSpaceMovesThePictureOfTheTargetByOnePixel)
{
    const CameraPose pose{Point3{9, 7, 13}, Point3{0, 1, -1}, 35, 0.3};
    float matrix[16];
    PerspectiveViewMatrix(pose, Area, matrix);
    // View x in world coordinates is the matrix's first column.
    const double k = FocalPixels(pose, Area) / Length(pose.target - pose.eye);
    const Point3 viewX = Point3{matrix[0], matrix[4], matrix[8]} * (1 / (k * k));
    const Point3 viewY = Point3{matrix[1], matrix[5], matrix[9]} * (1 / (k * k));
    const Point3 shift = viewX * 12 - viewY * 5;  // the plug-in's pan adds (dx, -dy)
    const CameraPose panned{pose.eye + shift, pose.target + shift, pose.zoom, pose.bank};
    const PanePoint shown = Shown(panned, pose.target);
    EXPECT_NEAR(shown.x, 200 - 12, 1e-2);
    EXPECT_NEAR(shown.y, 166 - 5, 1e-2);
}

}  // namespace
