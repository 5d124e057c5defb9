#include "tests/windows/screenshot.h"

// The build leaves out the COM headers that GDI+ needs.
#include <objidl.h>

#include <gdiplus.h>

#include <vector>

namespace {

// GDI+'s PNG encoder.
const CLSID PngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// build/screenshots, beside the bin folder this program runs from.
std::string ScreenshotFolder()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    for (int level = 0; level < 2; ++level)
        folder = folder.substr(0, folder.find_last_of("\\/"));
    folder += "\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
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

}  // namespace

std::string SaveWindowScreenshot(HWND window, const char* name)
{
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(window, source);
    const std::string path = ScreenshotFolder() + "\\" + name + ".png";
    const bool saved = SavePng(bitmap, path);
    DeleteObject(bitmap);
    return saved ? path : std::string();
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}
