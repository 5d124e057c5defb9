#include "sandbox/views/scene_drawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "sandbox/views/pane_types.h"
#include "sandbox/views/perspective_view.h"

namespace {

const COLORREF GridColour = RGB(228, 228, 228);
const COLORREF AxisColour = RGB(170, 170, 170);
const COLORREF CameraColour = RGB(90, 90, 90);
const COLORREF FrameColour = RGB(128, 128, 128);

// A pen selected into a device context for the holder's lifetime.
class SelectedPen {
public:
    SelectedPen(HDC dc, COLORREF colour, int width)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, colour)), previous_(SelectObject(dc, pen_))
    {
    }
    ~SelectedPen()
    {
        SelectObject(dc_, previous_);
        DeleteObject(pen_);
    }
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ previous_;
};

// Drawing limited to one pane's area for the holder's lifetime.
class PaneClip {
public:
    PaneClip(HDC dc, const PaneArea& area) : dc_(dc), saved_(SaveDC(dc))
    {
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    ~PaneClip() { RestoreDC(dc_, saved_); }
    PaneClip(const PaneClip&) = delete;
    PaneClip& operator=(const PaneClip&) = delete;

private:
    HDC dc_;
    int saved_;
};

// Cuts a segment to a box a little larger than the area (Liang-Barsky), so
// that GDI is never handed the huge coordinates of points near the eye.
bool ClipToArea(PanePoint& a, PanePoint& b, const PaneArea& area)
{
    const double left = area.left - 4, right = area.right + 4, top = area.top - 4, bottom = area.bottom + 4;
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const PanePoint start{a.x + dx * t0, a.y + dy * t0};
    b = PanePoint{a.x + dx * t1, a.y + dy * t1};
    a = start;
    return true;
}

void Line(HDC dc, const PaneArea& area, PanePoint a, PanePoint b)
{
    if (!ClipToArea(a, b, area))
        return;
    MoveToEx(dc, static_cast<int>(std::lround(a.x)), static_cast<int>(std::lround(a.y)), nullptr);
    LineTo(dc, static_cast<int>(std::lround(b.x)), static_cast<int>(std::lround(b.y)));
}

// Grid lines every world unit, or every 5, 10, 50 ... units when they would
// crowd closer than 8 pixels; the axes through the origin darker.
void DrawOrthoGrid(HDC dc, const OrthoView& view, int paneType, const PaneArea& area)
{
    double spacing = 1;
    for (int step = 0; spacing * view.scale < 8; ++step)
        spacing *= step % 2 == 0 ? 5 : 2;
    const Point3 topLeft = OrthoFromPane(view, paneType, area, PanePoint{double(area.left), double(area.top)});
    const Point3 bottomRight =
        OrthoFromPane(view, paneType, area, PanePoint{double(area.right), double(area.bottom)});
    for (int pass = 0; pass < 2; ++pass) {
        SelectedPen pen(dc, pass == 0 ? GridColour : AxisColour, 1);
        // Each world axis the pane shows gives lines across the pane; the one
        // it looks along is the same at both corners.
        for (int axis = 0; axis < 3; ++axis) {
            const double from = std::min(Coordinate(topLeft, axis), Coordinate(bottomRight, axis));
            const double to = std::max(Coordinate(topLeft, axis), Coordinate(bottomRight, axis));
            if (to - from < 1e-9)
                continue;
            for (double t = std::ceil(from / spacing) * spacing; t <= to; t += spacing) {
                if ((pass == 1) != (std::abs(t) < 1e-9))
                    continue;
                Point3 a = topLeft, b = bottomRight;
                Coordinate(a, axis) = t;
                Coordinate(b, axis) = t;
                // The corners span the area, so the line runs from edge to edge.
                Line(dc, area, OrthoToPane(view, paneType, area, a), OrthoToPane(view, paneType, area, b));
            }
        }
    }
}

// The camera seen from outside: its line of sight and a mark at the eye.
void DrawOrthoCamera(HDC dc, const SandboxHostState& scene, const OrthoView& view, int paneType,
                     const PaneArea& area)
{
    const PanePoint eye = OrthoToPane(view, paneType, area, ToPoint3(scene.eye));
    const PanePoint target = OrthoToPane(view, paneType, area, ToPoint3(scene.target));
    SelectedPen pen(dc, CameraColour, 1);
    Line(dc, area, eye, target);
    Line(dc, area, PanePoint{eye.x - 4, eye.y - 4}, PanePoint{eye.x + 4, eye.y + 4});
    Line(dc, area, PanePoint{eye.x - 4, eye.y + 4}, PanePoint{eye.x + 4, eye.y - 4});
}

template <class Project>
void DrawShapes(HDC dc, const SandboxHostState& scene, const PaneArea& area, Project project)
{
    const int count = std::min(scene.shapeCount, static_cast<int>(SceneShapes().size()));
    for (int shape = 0; shape < count; ++shape) {
        const bool selected = scene.shapes[shape].active != 0;
        SelectedPen pen(dc, selected ? SelectedShapeColour : SceneShapes()[shape].colour, selected ? 2 : 1);
        for (const WireSegment& segment : WorldSegments(scene, shape)) {
            PanePoint a, b;
            if (project(segment.a, segment.b, &a, &b))
                Line(dc, area, a, b);
        }
    }
}

void DrawOrthoPane(HDC dc, const SandboxHostState& scene, const OrthoView& view, int paneType, const PaneArea& area)
{
    DrawOrthoGrid(dc, view, paneType, area);
    DrawOrthoCamera(dc, scene, view, paneType, area);
    DrawShapes(dc, scene, area, [&](const Point3& a, const Point3& b, PanePoint* pa, PanePoint* pb) {
        *pa = OrthoToPane(view, paneType, area, a);
        *pb = OrthoToPane(view, paneType, area, b);
        return true;
    });
}

void DrawPerspectivePane(HDC dc, const SandboxHostState& scene, const PaneArea& area)
{
    const CameraPose pose = CameraPoseOf(scene);
    // The ground plane's grid, for a sense of orbit and roll.
    for (int pass = 0; pass < 2; ++pass) {
        SelectedPen pen(dc, pass == 0 ? GridColour : AxisColour, 1);
        for (int k = -6; k <= 6; ++k) {
            if ((pass == 1) != (k == 0))
                continue;
            for (const auto& [a, b] : {std::pair<Point3, Point3>{{double(k), 0, -6}, {double(k), 0, 6}},
                                       std::pair<Point3, Point3>{{-6, 0, double(k)}, {6, 0, double(k)}}}) {
                PanePoint pa, pb;
                if (ProjectSegment(pose, area, a, b, &pa, &pb))
                    Line(dc, area, pa, pb);
            }
        }
    }
    DrawShapes(dc, scene, area, [&](const Point3& a, const Point3& b, PanePoint* pa, PanePoint* pb) {
        return ProjectSegment(pose, area, a, b, pa, pb);
    });
}

void DrawTitle(HDC dc, const FigurePane& pane)
{
    const RECT& rect = pane.rect;
    RECT title = {rect.left + 1, rect.top + 1, rect.right - 1, rect.top + PaneTitleHeight()};
    FillRect(dc, &title, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextA(dc, pane.title, -1, &title, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

}  // namespace

int PaneTitleHeight()
{
    static const int height = [] {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return MulDiv(16, dpi, 96);
    }();
    return height;
}

PaneArea DrawingArea(const RECT& paneRect)
{
    return PaneArea{static_cast<int>(paneRect.left) + 1, static_cast<int>(paneRect.top) + PaneTitleHeight(),
                    static_cast<int>(paneRect.right) - 1, static_cast<int>(paneRect.bottom) - 1};
}

void DrawFigure(HDC dc, const RECT& client, const FigurePane panes[4], const SandboxHostState* scene,
                const OrthoView& view)
{
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (int i = 0; i < 4; ++i) {
        const FigurePane& pane = panes[i];
        if (scene != nullptr) {
            const PaneArea area = DrawingArea(pane.rect);
            PaneClip clip(dc, area);
            if (IsOrthographicPane(pane.type))
                DrawOrthoPane(dc, *scene, view, pane.type, area);
            else
                DrawPerspectivePane(dc, *scene, area);
        }
        HBRUSH frame = CreateSolidBrush(FrameColour);
        FrameRect(dc, &pane.rect, frame);
        DeleteObject(frame);
        DrawTitle(dc, pane);
    }
}
