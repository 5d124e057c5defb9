#include "camera/geometry.h"

#include <cmath>

float DegreesToRadians(float degrees)
{
    return degrees * 0.017453292f;
}

Vec3 TransformPoint(const Vec3& p, const Mat4& m)
{
    Vec3 result{((p.x * m.m[0][0] + p.y * m.m[1][0]) + p.z * m.m[2][0]) + m.m[3][0],
                ((p.x * m.m[0][1] + p.y * m.m[1][1]) + p.z * m.m[2][1]) + m.m[3][1],
                ((p.x * m.m[0][2] + p.y * m.m[1][2]) + p.z * m.m[2][2]) + m.m[3][2]};
    const float w = m.m[3][3];
    if (!(w == 1.0f)) {
        const float scale = 1.0f / w;
        result.x *= scale;
        result.y *= scale;
        result.z *= scale;
    }
    return result;
}

float Mat4Minor(const Mat4& m, int a, int b, int c, int p, int q, int r)
{
    const auto& e = m.m;
    return e[a][p] * e[b][q] * e[c][r] + e[a][q] * e[b][r] * e[c][p] + e[a][r] * e[b][p] * e[c][q] -
           e[a][p] * e[b][r] * e[c][q] - e[a][q] * e[b][p] * e[c][r] - e[a][r] * e[b][q] * e[c][p];
}

namespace {

// The three indices of 0..3 other than `skipped`, ascending.
struct OtherThree {
    int first;
    int second;
    int third;
};

OtherThree Without(int skipped)
{
    int others[3];
    int count = 0;
    for (int i = 0; i < 4; ++i) {
        if (i != skipped)
            others[count++] = i;
    }
    return OtherThree{others[0], others[1], others[2]};
}

}  // namespace

Mat4 Mat4Inverse(const Mat4& m)
{
    const double determinant = Mat4Minor(m, 0, 1, 2, 0, 1, 2);
    if (!(determinant > 0.0 || determinant < 0.0))
        return m;
    const float k = static_cast<float>(1.0 / determinant);

    Mat4 inverse{};
    for (int i = 0; i < 4; ++i) {
        const OtherThree columns = Without(i);
        for (int j = 0; j < 4; ++j) {
            if (i == 3 && j == 3)
                continue;
            const OtherThree rows = Without(j);
            const float minor =
                Mat4Minor(m, rows.first, rows.second, rows.third, columns.first, columns.second, columns.third);
            const float cofactor = (i + j) % 2 == 0 ? minor : -minor;
            inverse.m[i][j] = cofactor * k;
        }
    }
    inverse.m[3][3] = 1.0f;
    return inverse;
}

Vec3 Difference(const Vec3& a, const Vec3& b)
{
    return Vec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

bool IsFinite(const Vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}
