#include "sandbox/views/shape_picking.h"

#include <algorithm>
#include <cmath>

#include "sandbox/views/perspective_view.h"

namespace {

double DistanceToSegment(const PanePoint& p, const PanePoint& a, const PanePoint& b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + dx * t), p.y - (a.y + dy * t));
}

}  // namespace

int ShapeAt(const SandboxHostState& scene, const OrthoView& view, const FigurePane& pane, const PanePoint& point)
{
    const PaneArea area = DrawingArea(pane.rect);
    const CameraPose pose = CameraPoseOf(scene);
    int nearest = -1;
    double nearestDistance = PickTolerance;
    const int count = std::min(scene.shapeCount, static_cast<int>(SceneShapes().size()));
    for (int shape = 0; shape < count; ++shape) {
        for (const WireSegment& segment : WorldSegments(scene, shape)) {
            PanePoint a, b;
            if (IsOrthographicPane(pane.type)) {
                a = OrthoToPane(view, pane.type, area, segment.a);
                b = OrthoToPane(view, pane.type, area, segment.b);
            } else if (!ProjectSegment(pose, area, segment.a, segment.b, &a, &b)) {
                continue;
            }
            const double distance = DistanceToSegment(point, a, b);
            if (distance <= nearestDistance) {
                nearestDistance = distance;
                nearest = shape;
            }
        }
    }
    return nearest;
}
