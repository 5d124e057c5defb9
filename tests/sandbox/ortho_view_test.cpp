// The sandbox host's orthographic views: how the three panes show the world
// and what zooming, scrolling, panning and fitting do to them.

#include <gtest/gtest.h>

#include "sandbox/views/ortho_view.h"
#include "sandbox/views/pane_types.h"

namespace {

const PaneArea Area{10, 30, 410, 330};  // 400 x 300, middle (210, 180)
const OrthoView View{Point3{1, 2, 3}, 20};
const int OrthoPanes[] = {PaneTop, PaneFront, PaneSide};

void ExpectShownAt(const OrthoView& view, int pane, const Point3& p, double x, double y)
{
    const PanePoint shown = OrthoToPane(view, pane, Area, p);
    EXPECT_NEAR(shown.x, x, 1e-9) << "pane " << pane;
    EXPECT_NEAR(shown.y, y, 1e-9) << "pane " << pane;
}

TEST(OrthoView, TheCentreShowsAtTheMiddleOfEveryPane)
{
    for (int pane : OrthoPanes)
        ExpectShownAt(View, pane, View.centre, 210, 180);
}

TEST(OrthoView, EachPaneLooksAlongItsOwnAxisWithYUp)
{
    // One unit along each axis is 20 pixels.
    ExpectShownAt(View, PaneTop, Point3{2, 2, 3}, 230, 180);    // +x right
    ExpectShownAt(View, PaneTop, Point3{1, 2, 4}, 210, 200);    // +z down, toward the front
    ExpectShownAt(View, PaneTop, Point3{1, 9, 3}, 210, 180);    // height does not show from above
    ExpectShownAt(View, PaneFront, Point3{2, 2, 3}, 230, 180);  // +x right
    ExpectShownAt(View, PaneFront, Point3{1, 3, 3}, 210, 160);  // +y up
    ExpectShownAt(View, PaneSide, Point3{1, 2, 4}, 190, 180);   // +z to the left, seen from +x
    ExpectShownAt(View, PaneSide, Point3{1, 3, 3}, 210, 160);   // +y up
}

TEST(OrthoView, APanePointMapsBackToTheWorldWithTheHiddenCoordinateFromTheCentre)
{
    for (int pane : OrthoPanes) {
        const Point3 p = OrthoFromPane(View, pane, Area, PanePoint{250, 120});
        const PanePoint shown = OrthoToPane(View, pane, Area, p);
        EXPECT_NEAR(shown.x, 250, 1e-9);
        EXPECT_NEAR(shown.y, 120, 1e-9);
    }
    EXPECT_EQ(OrthoFromPane(View, PaneTop, Area, PanePoint{250, 120}).y, View.centre.y);
    EXPECT_EQ(OrthoFromPane(View, PaneFront, Area, PanePoint{250, 120}).z, View.centre.z);
    EXPECT_EQ(OrthoFromPane(View, PaneSide, Area, PanePoint{250, 120}).x, View.centre.x);
}

TEST(OrthoView, ZoomingInAboutAPointKeepsItInPlaceInEveryPaneAndZoomingOutUndoesIt)
{
    const Point3 point{4, -1, 7};
    const OrthoView in = OrthoZoomedAbout(View, point, true);
    EXPECT_DOUBLE_EQ(in.scale, View.scale * OrthoZoomStep);
    for (int pane : OrthoPanes) {
        const PanePoint was = OrthoToPane(View, pane, Area, point);
        ExpectShownAt(in, pane, point, was.x, was.y);
    }
    // Another point moves away from it, by the zoom step.
    const PanePoint other = OrthoToPane(in, PaneFront, Area, Point3{5, -1, 7});
    const PanePoint pivot = OrthoToPane(in, PaneFront, Area, point);
    EXPECT_NEAR(other.x - pivot.x, 20 * OrthoZoomStep, 1e-9);
    const OrthoView back = OrthoZoomedAbout(in, point, false);
    EXPECT_NEAR(back.scale, View.scale, 1e-12);
    EXPECT_NEAR(Length(back.centre - View.centre), 0, 1e-12);
}

TEST(OrthoView, ScrollingCentresAPointAtTheSameScale)
{
    const OrthoView scrolled = OrthoScrolledTo(View, Point3{-5, 0, 2});
    ExpectShownAt(scrolled, PaneSide, Point3{-5, 0, 2}, 210, 180);
    EXPECT_EQ(scrolled.scale, View.scale);
}

TEST(OrthoView, APanMovesTheDrawingWithThePointerInThatPane)
{
    for (int pane : OrthoPanes) {
        const Point3 p{2, 5, -1};
        const PanePoint was = OrthoToPane(View, pane, Area, p);
        ExpectShownAt(OrthoPannedBy(View, pane, 30, -12), pane, p, was.x + 30, was.y - 12);
    }
}

TEST(OrthoView, FittingShowsTheWholeBoundsInEveryPaneWithAMargin)
{
    const WorldBounds bounds{Point3{-4, 0, -2}, Point3{6, 3, 1}};
    const PaneArea areas[3] = {Area, Area, Area};
    const OrthoView fitted = OrthoFitted(bounds, areas);
    EXPECT_NEAR(Length(fitted.centre - Point3{1, 1.5, -0.5}), 0, 1e-12);
    double widest = 0;
    for (int pane : OrthoPanes) {
        for (int corner = 0; corner < 8; ++corner) {
            const Point3 p{corner & 1 ? 6.0 : -4.0, corner & 2 ? 3.0 : 0.0, corner & 4 ? 1.0 : -2.0};
            const PanePoint shown = OrthoToPane(fitted, pane, Area, p);
            EXPECT_GE(shown.x, Area.left + 20.0);
            EXPECT_LE(shown.x, Area.right - 20.0);
            EXPECT_GE(shown.y, Area.top + 20.0);
            EXPECT_LE(shown.y, Area.bottom - 20.0);
            widest = std::max(widest, shown.x - 210);
        }
    }
    EXPECT_GT(widest, 200 - 30.0) << "as large as the margin allows: 10 units across 400 pixels";
}

}  // namespace
