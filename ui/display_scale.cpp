#include "ui/display_scale.h"

#include "state/session_state.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

int ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int WindowDpi(HWND window)
{
    // Looked up at run time: systems before Windows 10 do not have it.
    const auto dpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = dpiForWindow(window);
        if (dpi != 0)
            return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

HICON LoadPluginIcon(int id, int size)
{
    return static_cast<HICON>(
        LoadImageA(SessionState.ModuleInstance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}
