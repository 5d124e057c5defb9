// The sandbox host with its scene and views installed: the host's objects
// answer from what the figure window shows, the figure window answers clicks
// and the host's own space-plus-left-drag pan, and camera changes redraw and
// are reported.

#include <gtest/gtest.h>
#include <windows.h>

#include "host/host.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_windows.h"
#include "sandbox/views/host_views.h"
#include "sandbox/views/shape_picking.h"

namespace {

int CameraReports = 0;

class HostViewsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sandbox_host_reset();
        windows = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600);
        InstallHostViews(windows.figure);
        CameraReports = 0;
        SetCameraChangedHandler([] { ++CameraReports; });
        PumpPendingMessages();
    }
    void TearDown() override
    {
        SetCameraChangedHandler(nullptr);
        DestroyWindow(windows.main);
        DestroyWindow(windows.tarnhollow);
        PumpPendingMessages();
        sandbox_host_reset();
    }

    static Scene TheScene() { return Scene::Of(*static_cast<HostApp*>(sandbox_host_app())); }

    FigurePane Pane(int type) const
    {
        FigurePane panes[4];
        GetFigurePanes(windows.figure, panes);
        return panes[type];  // the sandbox lays its panes out in type order
    }
    PanePoint Shown(int type, const Point3& p) const
    {
        return OrthoToPane(CurrentOrthoView(), type, DrawingArea(Pane(type).rect), p);
    }
    void Click(const PanePoint& at, WPARAM keys = 0) const
    {
        const LPARAM point = MAKELPARAM(static_cast<int>(at.x + 0.5), static_cast<int>(at.y + 0.5));
        SendMessageA(windows.figure, WM_LBUTTONDOWN, keys | MK_LBUTTON, point);
        SendMessageA(windows.figure, WM_LBUTTONUP, keys, point);
    }
    static unsigned Selection()
    {
        unsigned selection = 0;
        for (int i = 0; i < sandbox_host_state()->shapeCount; ++i)
            selection |= sandbox_host_state()->shapes[i].active ? 1u << i : 0u;
        return selection;
    }

    HostWindows windows;
};

TEST_F(HostViewsTest, TheHostStateHoldsTheSceneShapesAndTheStartCamera)
{
    const SandboxHostState* host = sandbox_host_state();
    ASSERT_EQ(host->shapeCount, 3);
    EXPECT_NEAR(Length(WorldCentre(*host, 1) - Point3{3, 1, 0}), 0, 1e-6) << "the cone";
    EXPECT_EQ(Selection(), 0u);
    EXPECT_NEAR(Length(ToPoint3(host->eye) - SceneStartCamera().eye), 0, 1e-6);
    EXPECT_EQ(host->zoom, 35.0f);
}

TEST_F(HostViewsTest, AResetLeavesTheHostWithoutViewsAndWithItsPlainAnswers)
{
    sandbox_host_reset();
    sandbox_host_state()->drawingCentre = SandboxPoint{4, 5, 6};
    EXPECT_FALSE(HostViewsInstalled(windows.figure));
    const Vec3 centre = TheScene().drawing_centre();
    EXPECT_EQ(centre.x, 4.0f);
    EXPECT_EQ(centre.z, 6.0f);
}

TEST_F(HostViewsTest, TheDrawingCentreIsTheViewsCentre)
{
    TheScene().scroll_to(Vec3{1, 2, 3});
    const Vec3 centre = TheScene().drawing_centre();
    EXPECT_EQ(centre.x, 1.0f);
    EXPECT_EQ(centre.y, 2.0f);
    EXPECT_EQ(centre.z, 3.0f);
    const PanePoint shown = Shown(PaneFront, Point3{1, 2, 3});
    EXPECT_NEAR(shown.x, DrawingArea(Pane(PaneFront).rect).Centre().x, 1e-6);
}

TEST_F(HostViewsTest, ZoomInAtEnlargesTheOrthographicViewsAboutThePointAndRedraws)
{
    const Point3 point{-3, 1, 0};
    const PanePoint was = Shown(PaneTop, point);
    const double scale = CurrentOrthoView().scale;
    ValidateRect(windows.figure, nullptr);
    TheScene().zoom_in_at(Vec3{-3, 1, 0});
    EXPECT_DOUBLE_EQ(CurrentOrthoView().scale, scale * OrthoZoomStep);
    EXPECT_NEAR(Shown(PaneTop, point).x, was.x, 1e-4);
    EXPECT_NEAR(Shown(PaneTop, point).y, was.y, 1e-4);
    EXPECT_TRUE(GetUpdateRect(windows.figure, nullptr, FALSE)) << "the host repaints on its own";
    TheScene().zoom_out_at(Vec3{-3, 1, 0});
    EXPECT_NEAR(CurrentOrthoView().scale, scale, 1e-9);
}

TEST_F(HostViewsTest, FitDrawingShowsEveryShapeInsideEachOrthographicPane)
{
    TheScene().zoom_in_at(Vec3{5, 5, 5});
    TheScene().zoom_in_at(Vec3{5, 5, 5});
    TheScene().fit_drawing();
    for (int type : {PaneTop, PaneFront, PaneSide}) {
        const PaneArea area = DrawingArea(Pane(type).rect);
        for (int shape = 0; shape < 3; ++shape) {
            for (const WireSegment& segment : WorldSegments(*sandbox_host_state(), shape)) {
                const PanePoint shown = Shown(type, segment.a);
                EXPECT_GT(shown.x, area.left);
                EXPECT_LT(shown.x, area.right);
                EXPECT_GT(shown.y, area.top);
                EXPECT_LT(shown.y, area.bottom);
            }
        }
    }
}

TEST_F(HostViewsTest, TheCursorPositionIsTheWorldPointUnderThePointerInAnOrthographicPane)
{
    const PaneArea area = DrawingArea(Pane(PaneFront).rect);
    POINT pointer = {area.left + 40, area.top + 30};
    ClientToScreen(windows.figure, &pointer);
    SetCursorPos(pointer.x, pointer.y);
    const Vec3 position = TheScene().cursor_position();
    const PanePoint shown = Shown(PaneFront, Point3{position.x, position.y, position.z});
    EXPECT_NEAR(shown.x, area.left + 40, 1e-3);
    EXPECT_NEAR(shown.y, area.top + 30, 1e-3);
    EXPECT_EQ(position.z, static_cast<float>(CurrentOrthoView().centre.z)) << "depth from the views' centre";

    // The perspective pane has no point under the pointer: the centre stands in.
    const PaneArea perspective = DrawingArea(Pane(PanePerspective).rect);
    pointer = POINT{perspective.left + 40, perspective.top + 30};
    ClientToScreen(windows.figure, &pointer);
    SetCursorPos(pointer.x, pointer.y);
    const Vec3 elsewhere = TheScene().cursor_position();
    EXPECT_EQ(elsewhere.x, static_cast<float>(CurrentOrthoView().centre.x));
}

TEST_F(HostViewsTest, ACameraSetterRedrawsUpdatesTheViewMatrixAndIsReportedOnce)
{
    ValidateRect(windows.figure, nullptr);
    {
        const Camera camera = TheScene().camera();
        camera.set_eye(Vec3{0, 1, 20});
        camera.set_target(Vec3{0, 1, 0});
    }
    EXPECT_TRUE(GetUpdateRect(windows.figure, nullptr, FALSE));
    const Point3 target = TransformByRows(Point3{0, 1, 0}, sandbox_host_state()->viewMatrix);
    EXPECT_NEAR(target.x, 0, 1e-3);
    EXPECT_NEAR(target.y, 0, 1e-3);
    EXPECT_NEAR(target.z, -FocalPixels(CameraPoseOf(*sandbox_host_state()), DrawingArea(Pane(PanePerspective).rect)),
                1e-2);
    EXPECT_EQ(CameraReports, 0) << "reported from the main window's loop";
    PumpPendingMessages();
    EXPECT_EQ(CameraReports, 1) << "two changes, one report";
}

TEST_F(HostViewsTest, AClickSelectsTheShapeUnderItAloneCtrlAddsAndAClickOnNothingClears)
{
    const SandboxHostState* host = sandbox_host_state();
    Click(Shown(PaneTop, WorldCentre(*host, 1)));
    EXPECT_EQ(Selection(), 1u << 1);
    EXPECT_EQ(TheScene().active_shape_count(), 1);
    Click(Shown(PaneFront, Point3{-4, 1, 0}), MK_CONTROL);  // the box's left edge
    EXPECT_EQ(Selection(), (1u << 1) | (1u << 0));
    Click(Shown(PaneFront, Point3{-4, 1, 0}), MK_CONTROL);
    EXPECT_EQ(Selection(), 1u << 1) << "Ctrl takes it out again";
    Click(Shown(PaneFront, Point3{-4 - 2 * PickTolerance / CurrentOrthoView().scale, 1, 0}));
    EXPECT_EQ(Selection(), 0u);
}

TEST_F(HostViewsTest, SpaceAndALeftDragPanTheOrthographicViews)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE withSpace[256];
    CopyMemory(withSpace, keys, sizeof keys);
    withSpace[VK_SPACE] = 0x80;
    SetKeyboardState(withSpace);
    const Point3 p{0, 1.2, -3};
    const PanePoint was = Shown(PaneSide, p);
    const LPARAM from = MAKELPARAM(static_cast<int>(was.x), static_cast<int>(was.y));
    SendMessageA(windows.figure, WM_LBUTTONDOWN, MK_LBUTTON, from);
    SendMessageA(windows.figure, WM_MOUSEMOVE, MK_LBUTTON,
                 MAKELPARAM(static_cast<int>(was.x) + 25, static_cast<int>(was.y) - 10));
    SendMessageA(windows.figure, WM_LBUTTONUP, 0, from);
    SetKeyboardState(keys);
    EXPECT_NEAR(Shown(PaneSide, p).x, was.x + 25, 1e-6);
    EXPECT_NEAR(Shown(PaneSide, p).y, was.y - 10, 1e-6);
    EXPECT_EQ(Selection(), 0u) << "a pan selects nothing";
}

}  // namespace
