#pragma once

// The host's own vector arithmetic for drawing and picking, in double
// precision: what the host shows need not match the plug-in's single-precision
// camera arithmetic bit for bit, only follow the camera it is given.

#include <cmath>

#include "sandbox/host_bridge.h"

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Point3 ToPoint3(const SandboxPoint& p) { return Point3{p.x, p.y, p.z}; }
inline SandboxPoint ToSandboxPoint(const Point3& p)
{
    return SandboxPoint{static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
}

inline Point3 operator+(const Point3& a, const Point3& b) { return Point3{a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point3 operator-(const Point3& a, const Point3& b) { return Point3{a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Point3 operator*(const Point3& a, double k) { return Point3{a.x * k, a.y * k, a.z * k}; }
inline double Dot(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Point3 Cross(const Point3& a, const Point3& b)
{
    return Point3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Point3& a) { return std::sqrt(Dot(a, a)); }

// Coordinate 0, 1 or 2 (x, y or z) of a point.
inline double& Coordinate(Point3& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }
inline double Coordinate(const Point3& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

// a scaled to length 1; the zero vector stays zero.
inline Point3 Normalized(const Point3& a)
{
    const double length = Length(a);
    return length > 0 ? a * (1.0 / length) : a;
}

// p as a row vector times the row-major matrix m, as the host's matrices are
// laid out (translation in row 3).
inline Point3 TransformByRows(const Point3& p, const float m[16])
{
    return Point3{p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12], p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
                  p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
}

// A point on a pane's drawing area, in the figure window's client pixels.
struct PanePoint {
    double x = 0;
    double y = 0;
};

// The part of a pane below its title, where the scene is drawn; client pixels.
struct PaneArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
    PanePoint Centre() const { return PanePoint{(left + right) / 2.0, (top + bottom) / 2.0}; }
};
