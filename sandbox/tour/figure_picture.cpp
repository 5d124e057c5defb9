#include "sandbox/tour/figure_picture.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int InkSaturation = 80;

// The part of `area` that lies inside the picture.
RECT Inside(const FigurePicture& picture, const RECT& area)
{
    return RECT{std::max(0L, area.left), std::max(0L, area.top), std::min(static_cast<LONG>(picture.width), area.right),
                std::min(static_cast<LONG>(picture.height), area.bottom)};
}

}  // namespace

FigurePicture CaptureFigure(HWND figure)
{
    FigurePicture picture;
    RECT client;
    GetClientRect(figure, &client);
    picture.width = client.right;
    picture.height = client.bottom;
    picture.pixels.assign(static_cast<size_t>(picture.width) * picture.height, 0);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC window = GetDC(figure);
    HBITMAP section = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(window);
    HGDIOBJ previous = SelectObject(memory, section);
    BitBlt(memory, 0, 0, picture.width, picture.height, window, 0, 0, SRCCOPY);
    GdiFlush();
    if (bits != nullptr) {
        const auto* source = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < picture.pixels.size(); ++i)
            picture.pixels[i] = source[i] & 0x00FFFFFFu;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(section);
    ReleaseDC(figure, window);
    return picture;
}

bool IsInk(uint32_t pixel)
{
    const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    return std::max({red, green, blue}) - std::min({red, green, blue}) > InkSaturation;
}

PaneInk InkIn(const FigurePicture& picture, const RECT& area)
{
    const RECT inside = Inside(picture, area);
    PaneInk ink;
    double sumX = 0, sumY = 0, sumSquares = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            if (!IsInk(picture.At(x, y)))
                continue;
            ++ink.count;
            sumX += x;
            sumY += y;
            sumSquares += double(x) * x + double(y) * y;
        }
    }
    if (ink.count == 0)
        return ink;
    ink.centreX = sumX / ink.count;
    ink.centreY = sumY / ink.count;
    const double variance =
        sumSquares / ink.count - ink.centreX * ink.centreX - ink.centreY * ink.centreY;
    ink.spread = std::sqrt(std::max(0.0, variance));
    return ink;
}

double InkOverlap(const FigurePicture& before, const FigurePicture& after, const RECT& area, int dx, int dy)
{
    const RECT inside = Inside(before, area);
    int considered = 0, met = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            const int movedX = x + dx, movedY = y + dy;
            if (movedX < inside.left || movedX >= inside.right || movedY < inside.top || movedY >= inside.bottom)
                continue;
            if (!IsInk(before.At(x, y)))
                continue;
            ++considered;
            // A pixel of slack, for lines whose ends round the other way.
            bool found = false;
            for (int ny = std::max(int(inside.top), movedY - 1); ny <= std::min(int(inside.bottom) - 1, movedY + 1) && !found;
                 ++ny)
                for (int nx = std::max(int(inside.left), movedX - 1);
                     nx <= std::min(int(inside.right) - 1, movedX + 1) && !found; ++nx)
                    found = IsInk(after.At(nx, ny));
            met += found;
        }
    }
    return considered > 0 ? double(met) / considered : 0;
}

int ChangedPixels(const FigurePicture& a, const FigurePicture& b, const RECT& area)
{
    if (a.width != b.width || a.height != b.height)
        return a.width * a.height;
    const RECT inside = Inside(a, area);
    int changed = 0;
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
            changed += a.At(x, y) != b.At(x, y);
    return changed;
}
