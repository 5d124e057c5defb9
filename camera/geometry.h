#pragma once

// The vector and matrix toolkit of the camera operations. Everything is single
// precision and evaluated left to right as written, so results match the host's
// own arithmetic bit for bit.

#include "host/geometry_types.h"

// Single-precision pi, 0x40490FDB: the bank limit and the orbit's pole.
constexpr float Pi = 3.1415927f;

// degrees × 0.017453292 (0x3C8EFA35).
float DegreesToRadians(float degrees);

// p as a row vector times m. The result is divided by the single element
// [3][3] when that is not 1 (NaN included); column 3 otherwise takes no part.
Vec3 TransformPoint(const Vec3& p, const Mat4& m);

// Determinant of the 3×3 matrix of rows a, b, c and columns p, q, r of m.
float Mat4Minor(const Mat4& m, int a, int b, int c, int p, int q, int r);

// The inverse by cofactors of the upper-left 3×3 determinant, with [3][3] set
// to 1: exact for every matrix whose last column is (0, 0, 0, 1). When that
// determinant is zero or NaN the result is an unchanged copy of m.
Mat4 Mat4Inverse(const Mat4& m);

// a − b, component by component.
Vec3 Difference(const Vec3& a, const Vec3& b);

// All three coordinates are finite: only such points are handed to the host.
bool IsFinite(const Vec3& v);
