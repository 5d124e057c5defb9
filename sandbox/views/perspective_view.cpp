#include "sandbox/views/perspective_view.h"

#include <cmath>

namespace {

constexpr double FrameWidthMm = 36;
constexpr double NearDistance = 0.05;

struct CameraPoint {
    double x, y, depth;
};

CameraPoint InCamera(const CameraFrame& frame, const Point3& eye, const Point3& p)
{
    const Point3 d = p - eye;
    return CameraPoint{Dot(d, frame.right), Dot(d, frame.up), Dot(d, frame.forward)};
}

PanePoint OnPane(const CameraPoint& c, double focal, const PaneArea& area)
{
    const PanePoint middle = area.Centre();
    return PanePoint{middle.x + focal * c.x / c.depth, middle.y - focal * c.y / c.depth};
}

}  // namespace

CameraPose CameraPoseOf(const SandboxHostState& state)
{
    return CameraPose{ToPoint3(state.eye), ToPoint3(state.target), state.zoom, state.bank};
}

CameraFrame CameraFrameOf(const CameraPose& pose)
{
    const Point3 forward = Normalized(pose.target - pose.eye);
    Point3 right = Cross(forward, Point3{0, 1, 0});
    // Looking straight up or down, the world's depth axis decides what is right.
    if (Length(right) < 1e-9)
        right = Cross(forward, Point3{0, 0, -1});
    right = Normalized(right);
    const Point3 up = Cross(right, forward);
    // A positive bank rolls the camera counter-clockwise about its view line.
    const double c = std::cos(pose.bank);
    const double s = std::sin(pose.bank);
    return CameraFrame{right * c + up * s, up * c - right * s, forward};
}

double FocalPixels(const CameraPose& pose, const PaneArea& area)
{
    return pose.zoom / FrameWidthMm * area.Width();
}

bool ProjectPoint(const CameraPose& pose, const PaneArea& area, const Point3& p, PanePoint* shown)
{
    const CameraPoint c = InCamera(CameraFrameOf(pose), pose.eye, p);
    if (c.depth < NearDistance)
        return false;
    *shown = OnPane(c, FocalPixels(pose, area), area);
    return true;
}

bool ProjectSegment(const CameraPose& pose, const PaneArea& area, const Point3& a, const Point3& b, PanePoint* from,
                    PanePoint* to)
{
    const CameraFrame frame = CameraFrameOf(pose);
    CameraPoint ca = InCamera(frame, pose.eye, a);
    CameraPoint cb = InCamera(frame, pose.eye, b);
    if (ca.depth < NearDistance && cb.depth < NearDistance)
        return false;
    // Cut at the near plane, so nothing behind the eye is projected through it.
    auto cut = [](const CameraPoint& inside, const CameraPoint& outside) {
        const double t = (NearDistance - inside.depth) / (outside.depth - inside.depth);
        return CameraPoint{inside.x + (outside.x - inside.x) * t, inside.y + (outside.y - inside.y) * t, NearDistance};
    };
    if (ca.depth < NearDistance)
        ca = cut(cb, ca);
    else if (cb.depth < NearDistance)
        cb = cut(ca, cb);
    const double focal = FocalPixels(pose, area);
    *from = OnPane(ca, focal, area);
    *to = OnPane(cb, focal, area);
    return true;
}

void PerspectiveViewMatrix(const CameraPose& pose, const PaneArea& area, float matrix[16])
{
    const CameraFrame frame = CameraFrameOf(pose);
    const double distance = Length(pose.target - pose.eye);
    const double k = distance > 0 ? FocalPixels(pose, area) / distance : 1;
    const Point3 axes[3] = {frame.right * k, frame.up * k, frame.forward * -k};
    for (int column = 0; column < 3; ++column) {
        matrix[0 * 4 + column] = static_cast<float>(axes[column].x);
        matrix[1 * 4 + column] = static_cast<float>(axes[column].y);
        matrix[2 * 4 + column] = static_cast<float>(axes[column].z);
        matrix[3 * 4 + column] = static_cast<float>(-Dot(pose.eye, axes[column]));
    }
    matrix[3] = matrix[7] = matrix[11] = 0;
    matrix[15] = 1;
}
