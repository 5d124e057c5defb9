#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "camera/geometry.h"

namespace {

uint32_t Bits(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

Mat4 Identity()
{
    Mat4 m{};
    for (int i = 0; i < 4; ++i)
        m.m[i][i] = 1.0f;
    return m;
}

Mat4 Product(const Mat4& a, const Mat4& b)
{
    Mat4 product{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k)
                product.m[r][c] += a.m[r][k] * b.m[k][c];
    return product;
}

void ExpectSameBits(const Mat4& actual, const Mat4& expected)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(Bits(actual.m[r][c]), Bits(expected.m[r][c])) << "element [" << r << "][" << c << "]";
}

TEST(GeometryConstants, DegreeFactorAndPiHaveTheirSinglePrecisionBitPatterns)
{
    EXPECT_EQ(Bits(DegreesToRadians(1.0f)), 0x3C8EFA35u);
    EXPECT_EQ(Bits(Pi), 0x40490FDBu);
    EXPECT_FLOAT_EQ(DegreesToRadians(180.0f), Pi);
    EXPECT_EQ(DegreesToRadians(-90.0f), -DegreesToRadians(90.0f));
}

TEST(TransformPoint, MapsARowVectorWithTheTranslationInRowThree)
{
    Mat4 m{};
    // x' = y, y' = z, z' = x, then translated by (10, 20, 30).
    m.m[1][0] = 1.0f;
    m.m[2][1] = 1.0f;
    m.m[0][2] = 1.0f;
    m.m[3][0] = 10.0f;
    m.m[3][1] = 20.0f;
    m.m[3][2] = 30.0f;
    m.m[3][3] = 1.0f;
    const Vec3 p = TransformPoint(Vec3{1.0f, 2.0f, 3.0f}, m);
    EXPECT_EQ(p.x, 12.0f);
    EXPECT_EQ(p.y, 23.0f);
    EXPECT_EQ(p.z, 31.0f);
}

TEST(TransformPoint, SumsLeftToRightInSinglePrecision)
{
    Mat4 m = Identity();
    m.m[1][0] = 1.0f;
    m.m[2][0] = 1.0f;
    // (1e8 + 1) rounds back to 1e8 before -1e8 is added; any other order gives 1.
    EXPECT_EQ(TransformPoint(Vec3{1e8f, 1.0f, -1e8f}, m).x, 0.0f);
}

TEST(TransformPoint, DividesOnlyByElementThreeThree)
{
    Mat4 m = Identity();
    m.m[3][0] = 1.0f;
    m.m[3][1] = 2.0f;
    m.m[3][2] = 3.0f;
    m.m[3][3] = 2.0f;
    // Column 3 above row 3 is no homogeneous w: it takes no part.
    m.m[0][3] = 5.0f;
    m.m[1][3] = 7.0f;
    m.m[2][3] = 9.0f;
    const Vec3 halved = TransformPoint(Vec3{3.0f, 4.0f, 5.0f}, m);
    EXPECT_EQ(halved.x, 2.0f);
    EXPECT_EQ(halved.y, 3.0f);
    EXPECT_EQ(halved.z, 4.0f);

    m.m[3][3] = 1.0f;
    const Vec3 plain = TransformPoint(Vec3{3.0f, 4.0f, 5.0f}, m);
    EXPECT_EQ(plain.x, 4.0f);
    EXPECT_EQ(plain.y, 6.0f);
    EXPECT_EQ(plain.z, 8.0f);

    m.m[3][3] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(std::isnan(TransformPoint(Vec3{3.0f, 4.0f, 5.0f}, m).x));
}

TEST(Mat4Minor, IsTheDeterminantOfTheChosenRowsAndColumns)
{
    Mat4 m{};
    const float values[16] = {2, -1, 0, 4, 1, 3, -2, 5, 0, 1, 4, -3, 7, 2, 1, 6};
    std::memcpy(m.m, values, sizeof values);
    // Rows 0, 1, 2 and columns 0, 1, 2: 2(12+2) + 1(4-0) + 0 = 32.
    EXPECT_EQ(Mat4Minor(m, 0, 1, 2, 0, 1, 2), 32.0f);
    // Rows 1, 2, 3 and columns 1, 2, 3: 3(24+3) + 2(6+6) + 5(1-8) = 70.
    EXPECT_EQ(Mat4Minor(m, 1, 2, 3, 1, 2, 3), 70.0f);
    // Exchanging two rows changes the sign.
    EXPECT_EQ(Mat4Minor(m, 1, 0, 2, 0, 1, 2), -32.0f);
    EXPECT_EQ(Mat4Minor(Identity(), 0, 1, 2, 0, 1, 2), 1.0f);
    EXPECT_EQ(Mat4Minor(Identity(), 0, 1, 3, 0, 1, 2), 0.0f);
}

TEST(Mat4Inverse, InvertsAPureTranslation)
{
    Mat4 m = Identity();
    m.m[3][0] = 4.0f;
    m.m[3][1] = -5.0f;
    m.m[3][2] = 6.5f;
    Mat4 expected = Identity();
    expected.m[3][0] = -4.0f;
    expected.m[3][1] = 5.0f;
    expected.m[3][2] = -6.5f;
    const Mat4 inverse = Mat4Inverse(m);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(inverse.m[r][c], expected.m[r][c]) << "element [" << r << "][" << c << "]";
}

TEST(Mat4Inverse, InvertsARotationWithScaleAndTranslation)
{
    const float c = std::cos(0.5f);
    const float s = std::sin(0.5f);
    Mat4 m{};
    m.m[0][0] = 2.0f * c;
    m.m[0][2] = -2.0f * s;
    m.m[1][1] = 3.0f;
    m.m[2][0] = 2.0f * s;
    m.m[2][2] = 2.0f * c;
    m.m[3][0] = 1.0f;
    m.m[3][1] = -2.0f;
    m.m[3][2] = 7.0f;
    m.m[3][3] = 1.0f;
    const Mat4 product = Product(m, Mat4Inverse(m));
    for (int r = 0; r < 4; ++r)
        for (int col = 0; col < 4; ++col)
            EXPECT_NEAR(product.m[r][col], r == col ? 1.0f : 0.0f, 1e-5f) << "element [" << r << "][" << col << "]";
}

TEST(Mat4Inverse, OutsideAffineMatricesKeepsTheCofactorsAndSetsThreeThreeToOne)
{
    Mat4 m = Identity();
    m.m[0][0] = 2.0f;
    m.m[3][3] = 4.0f;
    const Mat4 inverse = Mat4Inverse(m);
    // The cofactor of [0][0] takes in [3][3]: 4 / 2, not the true inverse's 1 / 2.
    EXPECT_EQ(inverse.m[0][0], 2.0f);
    EXPECT_EQ(inverse.m[1][1], 4.0f);
    EXPECT_EQ(inverse.m[3][3], 1.0f);
}

TEST(Mat4Inverse, ReturnsAnUnchangedCopyWhenTheUpperBlockIsSingular)
{
    Mat4 singular = Identity();
    singular.m[2][2] = 0.0f;
    singular.m[3][0] = 3.0f;
    singular.m[3][3] = 2.0f;
    singular.m[0][3] = 9.0f;
    ExpectSameBits(Mat4Inverse(singular), singular);

    Mat4 negativeZero = Identity();
    negativeZero.m[1][1] = -0.0f;
    ExpectSameBits(Mat4Inverse(negativeZero), negativeZero);

    Mat4 notANumber = Identity();
    notANumber.m[0][1] = std::numeric_limits<float>::quiet_NaN();
    ExpectSameBits(Mat4Inverse(notANumber), notANumber);
}

TEST(Vec3Helpers, DifferenceAndFiniteness)
{
    const Vec3 d = Difference(Vec3{5.0f, 1.0f, -2.0f}, Vec3{1.0f, 3.0f, 2.0f});
    EXPECT_EQ(d.x, 4.0f);
    EXPECT_EQ(d.y, -2.0f);
    EXPECT_EQ(d.z, -4.0f);
    EXPECT_TRUE(IsFinite(Vec3{1.0f, -3e38f, 0.0f}));
    EXPECT_FALSE(IsFinite(Vec3{0.0f, std::numeric_limits<float>::infinity(), 0.0f}));
    EXPECT_FALSE(IsFinite(Vec3{0.0f, 0.0f, std::numeric_limits<float>::quiet_NaN()}));
}

}  // namespace
