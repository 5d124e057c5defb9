#pragma once

// Pictures of windows, read back from their own device contexts, saved as PNG
// files through GDI+'s encoder.

#include <windows.h>

#include <string>

// A bitmap this code created, deleted when the holder ends.
class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP bitmap = nullptr) : bitmap_(bitmap) {}
    ~OwnedBitmap()
    {
        if (bitmap_ != nullptr)
            DeleteObject(bitmap_);
    }
    OwnedBitmap(OwnedBitmap&& other) noexcept : bitmap_(other.bitmap_) { other.bitmap_ = nullptr; }
    OwnedBitmap& operator=(OwnedBitmap&&) = delete;
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;

    HBITMAP get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

// What `window` shows, frame and child windows included.
OwnedBitmap CaptureWindow(HWND window);

// What `window` and the visible windows it owns (floating tool windows,
// dialogs) show, laid over each other as on screen; the picture covers them all.
OwnedBitmap CaptureWindowWithOwned(HWND window);

// Writes the bitmap as a PNG file; false when that failed.
bool SavePng(HBITMAP bitmap, const std::string& path);

// The build folder: the parent of the bin folder this program runs from.
std::string BuildFolder();

// `BuildFolder()\screenshots`, created when missing.
std::string ScreenshotFolder();

// Saves what `window` shows as build/screenshots/<name>.png, beside the bin
// folder this program runs from; returns the file's path, empty on failure.
std::string SaveWindowScreenshot(HWND window, const char* name);

// The colour the window shows at a point of its client area.
COLORREF ClientPixel(HWND window, int x, int y);
