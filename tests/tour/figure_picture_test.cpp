// Reading the figure window's picture: which pixels are a shape's, where a
// pane's shapes lie, and whether a drawing moved by a given offset.

#include <gtest/gtest.h>

#include "sandbox/tour/figure_picture.h"

namespace {

constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Grid = 0xE4E4E4;
constexpr uint32_t Blue = 0x285ADC;

FigurePicture Blank(int width, int height)
{
    return FigurePicture{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, White)};
}

void Put(FigurePicture& picture, int x, int y, uint32_t colour)
{
    picture.pixels[static_cast<size_t>(y) * picture.width + x] = colour;
}

// An L of ink with its corner at (x, y).
void DrawL(FigurePicture& picture, int x, int y)
{
    for (int i = 0; i < 10; ++i) {
        Put(picture, x, y - i, Blue);
        Put(picture, x + i, y, Blue);
    }
}

TEST(FigurePicture, OnlySaturatedColoursCountAsInk)
{
    EXPECT_TRUE(IsInk(Blue));
    EXPECT_TRUE(IsInk(0xFF8C00));
    EXPECT_FALSE(IsInk(White));
    EXPECT_FALSE(IsInk(Grid));
    EXPECT_FALSE(IsInk(0x5A5A5A));
    EXPECT_FALSE(IsInk(0xD4D0C8)) << "the title bar's face colour";
}

TEST(FigurePicture, InkIsCountedWithItsCentreAndSpreadWithinTheArea)
{
    FigurePicture picture = Blank(40, 30);
    Put(picture, 10, 10, Blue);
    Put(picture, 20, 10, Blue);
    Put(picture, 35, 25, Blue);  // outside the area below
    Put(picture, 15, 12, Grid);
    const PaneInk ink = InkIn(picture, RECT{0, 0, 30, 20});
    EXPECT_EQ(ink.count, 2);
    EXPECT_DOUBLE_EQ(ink.centreX, 15);
    EXPECT_DOUBLE_EQ(ink.centreY, 10);
    EXPECT_NEAR(ink.spread, 5, 1e-9);
    EXPECT_EQ(InkIn(Blank(40, 30), RECT{0, 0, 40, 30}).count, 0);
}

TEST(FigurePicture, ADrawingMovedByAnOffsetOverlapsAtThatOffsetOnly)
{
    FigurePicture before = Blank(80, 60);
    FigurePicture after = Blank(80, 60);
    DrawL(before, 20, 30);
    DrawL(after, 32, 38);
    const RECT area{0, 0, 80, 60};
    EXPECT_DOUBLE_EQ(InkOverlap(before, after, area, 12, 8), 1.0);
    EXPECT_LT(InkOverlap(before, after, area, 0, 0), 0.2);
    EXPECT_LT(InkOverlap(before, after, area, -12, -8), 0.2);
    EXPECT_EQ(InkOverlap(Blank(80, 60), after, area, 0, 0), 0.0) << "no ink to follow";
}

TEST(FigurePicture, ChangedPixelsAreCountedInsideTheAreaOnly)
{
    FigurePicture a = Blank(20, 20);
    FigurePicture b = Blank(20, 20);
    Put(b, 2, 2, Blue);
    Put(b, 15, 15, Grid);
    EXPECT_EQ(ChangedPixels(a, b, RECT{0, 0, 20, 20}), 2);
    EXPECT_EQ(ChangedPixels(a, b, RECT{0, 0, 10, 10}), 1);
    EXPECT_EQ(ChangedPixels(a, a, RECT{0, 0, 20, 20}), 0);
}

}  // namespace
