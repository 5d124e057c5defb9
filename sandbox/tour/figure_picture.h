#pragma once

// The figure window's pixels, and what they tell about the shapes on screen:
// the shapes are drawn in saturated colours and everything else in grey, so
// "ink" (a saturated pixel) is a shape's pixel.

#include <windows.h>

#include <cstdint>
#include <vector>

struct FigurePicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, row by row from the top

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// What the figure window's client area shows now.
FigurePicture CaptureFigure(HWND figure);

// A pixel of a shape's colour.
bool IsInk(uint32_t pixel);

// Where a pane's shapes lie: the number of ink pixels inside `area`, their
// mean position and their root-mean-square distance from it.
struct PaneInk {
    int count = 0;
    double centreX = 0;
    double centreY = 0;
    double spread = 0;
};

PaneInk InkIn(const FigurePicture& picture, const RECT& area);

// Of the ink pixels of `before` inside `area` whose position moved by (dx, dy)
// is still inside it, the share that meets ink in `after` there. Near 1 when
// the drawing moved by (dx, dy).
double InkOverlap(const FigurePicture& before, const FigurePicture& after, const RECT& area, int dx, int dy);

// Pixels inside `area` that differ between the two pictures.
int ChangedPixels(const FigurePicture& a, const FigurePicture& b, const RECT& area);
