#include "sandbox/views/ortho_view.h"

#include <algorithm>

#include "sandbox/views/pane_types.h"

namespace {

constexpr double FitMargin = 24;

// The world directions of a pane's rightward and downward pixel axes.
struct PaneAxes {
    Point3 right;
    Point3 down;
};

PaneAxes AxesOf(int paneType)
{
    switch (paneType) {
    case PaneTop:
        return PaneAxes{Point3{1, 0, 0}, Point3{0, 0, 1}};
    case PaneFront:
        return PaneAxes{Point3{1, 0, 0}, Point3{0, -1, 0}};
    default:
        return PaneAxes{Point3{0, 0, -1}, Point3{0, -1, 0}};
    }
}

}  // namespace

bool IsOrthographicPane(int paneType)
{
    return paneType == PaneTop || paneType == PaneFront || paneType == PaneSide;
}

PanePoint OrthoToPane(const OrthoView& view, int paneType, const PaneArea& area, const Point3& p)
{
    const PaneAxes axes = AxesOf(paneType);
    const Point3 offset = p - view.centre;
    const PanePoint middle = area.Centre();
    return PanePoint{middle.x + Dot(offset, axes.right) * view.scale, middle.y + Dot(offset, axes.down) * view.scale};
}

Point3 OrthoFromPane(const OrthoView& view, int paneType, const PaneArea& area, const PanePoint& q)
{
    const PaneAxes axes = AxesOf(paneType);
    const PanePoint middle = area.Centre();
    return view.centre + axes.right * ((q.x - middle.x) / view.scale) + axes.down * ((q.y - middle.y) / view.scale);
}

OrthoView OrthoZoomedAbout(const OrthoView& view, const Point3& point, bool zoomIn)
{
    const double factor = zoomIn ? OrthoZoomStep : 1 / OrthoZoomStep;
    // The point keeps its offset from the centre in pixels: centre' = p + (centre - p) / factor.
    return OrthoView{point + (view.centre - point) * (1 / factor), view.scale * factor};
}

OrthoView OrthoScrolledTo(const OrthoView& view, const Point3& point)
{
    return OrthoView{point, view.scale};
}

OrthoView OrthoPannedBy(const OrthoView& view, int paneType, double dx, double dy)
{
    const PaneAxes axes = AxesOf(paneType);
    return OrthoView{view.centre - axes.right * (dx / view.scale) - axes.down * (dy / view.scale), view.scale};
}

OrthoView OrthoFitted(const WorldBounds& bounds, const PaneArea areas[3])
{
    const Point3 size = bounds.high - bounds.low;
    double scale = 1e9;
    for (int paneType : {PaneTop, PaneFront, PaneSide}) {
        const PaneAxes axes = AxesOf(paneType);
        const double across = std::max(std::abs(Dot(size, axes.right)), 1e-6);
        const double down = std::max(std::abs(Dot(size, axes.down)), 1e-6);
        const PaneArea& area = areas[paneType];
        scale = std::min({scale, (area.Width() - 2 * FitMargin) / across, (area.Height() - 2 * FitMargin) / down});
    }
    return OrthoView{(bounds.low + bounds.high) * 0.5, std::max(scale, 1e-3)};
}
