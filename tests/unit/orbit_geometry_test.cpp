#include <gtest/gtest.h>

#include <cmath>

#include "camera/geometry.h"
#include "camera/orbit_geometry.h"

namespace {

// Straight above the centre the polar angle is 0, straight below acos(−1) is exactly π: neither is past a pole.
TEST(OrbitGeometry, ATurnAboutTheVerticalAtAPoleCrossesNoPoleAndStaysThere)
{
    for (const Vec3 pole : {Vec3{0, 10, 0}, Vec3{0, -10, 0}}) {
        const std::optional<Orbited> eye = OrbitAbout(Vec3{}, pole, DegreesToRadians(30), 0, 1, false);
        const TurnedView view = TurnViewAbout(Vec3{}, pole, Vec3{}, DegreesToRadians(30), 0, 1, false);
        ASSERT_TRUE(eye) << pole.y;
        EXPECT_FALSE(eye->overThePole || view.overThePole) << pole.y;
        for (const Vec3& p : {eye->point, view.eye})
            EXPECT_TRUE(std::hypot(p.x, p.y - pole.y, p.z) < 1e-4f && IsFinite(view.target)) << pole.y;
    }
}

TEST(OrbitGeometry, AHeightRatioRoundedPastOneHasNoOrbit)
{
    // Squaring underflows into the subnormal range, so the length comes out
    // shorter than the height alone and height / length exceeds 1.
    const float height = 1e-22f;
    ASSERT_GT(height / std::sqrt(height * height), 1.0f);
    EXPECT_FALSE(OrbitAbout(Vec3{}, Vec3{0, height, 0}, 0.0f, 5.0f, 1, false));
    EXPECT_FALSE(OrbitAbout(Vec3{}, Vec3{0, -height, 0}, -0.0f, 5.0f, 1, false));
}

}  // namespace
