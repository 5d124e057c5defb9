#include "sandbox/screenshot.h"

// The build leaves out the COM headers that GDI+ needs.
#include <objidl.h>

#include <gdiplus.h>

#include <algorithm>
#include <vector>

namespace {

// GDI+'s PNG encoder.
const CLSID PngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Copies what `window` shows into `target` at the window's place relative to
// `origin` (screen coordinates of the target's top-left pixel).
void CopyWindowInto(HDC target, POINT origin, HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    HDC source = GetWindowDC(window);
    BitBlt(target, frame.left - origin.x, frame.top - origin.y, frame.right - frame.left, frame.bottom - frame.top,
           source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
}

// A picture of the screen rectangle `area`, with the windows copied in the
// order given, the last one on top.
OwnedBitmap Compose(const RECT& area, const std::vector<HWND>& bottomToTop)
{
    HDC screen = GetDC(nullptr);
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen, area.right - area.left, area.bottom - area.top));
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap.get());
    const RECT whole = {0, 0, area.right - area.left, area.bottom - area.top};
    FillRect(memory, &whole, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    for (HWND window : bottomToTop)
        CopyWindowInto(memory, POINT{area.left, area.top}, window);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return bitmap;
}

struct OwnedWindows {
    HWND owner;
    std::vector<HWND> topToBottom;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM context)
{
    auto* owned = reinterpret_cast<OwnedWindows*>(context);
    if (GetWindow(window, GW_OWNER) == owned->owner && IsWindowVisible(window))
        owned->topToBottom.push_back(window);
    return TRUE;
}

}  // namespace

OwnedBitmap CaptureWindow(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    return Compose(frame, {window});
}

OwnedBitmap CaptureWindowWithOwned(HWND window)
{
    // Top-level windows are enumerated from the top of the z-order down.
    OwnedWindows owned{window, {}};
    EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&owned));
    RECT area;
    GetWindowRect(window, &area);
    std::vector<HWND> bottomToTop = {window};
    for (auto it = owned.topToBottom.rbegin(); it != owned.topToBottom.rend(); ++it) {
        RECT frame;
        GetWindowRect(*it, &frame);
        UnionRect(&area, &area, &frame);
        bottomToTop.push_back(*it);
    }
    return Compose(area, bottomToTop);
}

bool SavePng(HBITMAP bitmap, const std::string& path)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    bool saved = false;
    {
        std::vector<wchar_t> widePath(path.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), static_cast<int>(widePath.size()));
        Gdiplus::Bitmap image(bitmap, nullptr);
        saved = image.Save(widePath.data(), &PngEncoder, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

std::string SaveWindowScreenshot(HWND window, const char* name)
{
    const OwnedBitmap bitmap = CaptureWindow(window);
    const std::string path = ScreenshotFolder() + "\\" + name + ".png";
    return SavePng(bitmap.get(), path) ? path : std::string();
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

std::string BuildFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    for (int level = 0; level < 2; ++level)
        folder = folder.substr(0, folder.find_last_of("\\/"));
    return folder;
}

std::string ScreenshotFolder()
{
    const std::string folder = BuildFolder() + "\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
