#include "sandbox/injected_input.h"

namespace {

int MenuItem = 0;
int MenuTicks = 0;

// Absolute mouse coordinates run from 0 to 65535 across the primary screen;
// rounding to the nearest step lands on the intended pixel.
LONG Normalised(LONG coordinate, int metric)
{
    const LONGLONG extent = GetSystemMetrics(metric);
    return static_cast<LONG>((coordinate * 65536LL + extent / 2) / extent);
}

INPUT MouseInput(DWORD flags, POINT screen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, SM_CXSCREEN);
    input.mi.dy = Normalised(screen.y, SM_CYSCREEN);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

void SendMouseInput(DWORD flags, POINT screen)
{
    INPUT input = MouseInput(flags, screen);
    SendInput(1, &input, sizeof input);
}

void CALLBACK ChooseFromOpenMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND popup = FindWindowA(MAKEINTRESOURCEA(0x8000), nullptr);  // the menu window class
    const auto menu = popup != nullptr ? reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)) : nullptr;
    RECT entry{};
    if (menu != nullptr && IsWindowVisible(popup) && GetMenuItemRect(nullptr, menu, MenuItem, &entry)) {
        KillTimer(nullptr, timer);
        ClickAt(Centre(entry));
    } else if (++MenuTicks > 30) {
        KillTimer(nullptr, timer);
        EndMenu();
    }
}

}  // namespace

void MovePointerTo(POINT screen)
{
    SendMouseInput(0, screen);
}

void ClickAt(POINT screen, DWORD down, DWORD up)
{
    INPUT inputs[2] = {MouseInput(down, screen), MouseInput(up, screen)};
    SendInput(2, inputs, sizeof(INPUT));
}

void SendButton(DWORD flag)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
}

void SendButtonAt(POINT screen, DWORD flag)
{
    SendMouseInput(flag, screen);
}

void KeepPointerClipped(bool clipped)
{
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN)};
    ClipCursor(clipped ? &screen : nullptr);
}

void TurnWheel(int delta)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(delta);
    SendInput(1, &input, sizeof input);
}

void SendKey(BYTE virtualKey, bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void PickFromNextMenu(int item)
{
    MenuItem = item;
    MenuTicks = 0;
    SetTimer(nullptr, 0, 100, ChooseFromOpenMenu);
}

POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
