#include "ui/status_pane.h"

#include "host/status_bar_library.h"
#include "state/session_state.h"
#include "ui/display_scale.h"
#include "ui/gdi_holders.h"
#include "ui/host_keyboard.h"
#include "ui/resource_ids.h"
#include "ui/texts/texts.h"
#include "ui/window_actions.h"

namespace {

// Restore and Undo are greyed exactly while the control window's buttons are,
// that is until their slot was first filled; the window may be hidden.
UINT ItemFlagsOf(int button)
{
    return IsWindowEnabled(GetDlgItem(SessionState.ControlWindow, button)) ? MF_STRING : MF_STRING | MF_GRAYED;
}

void ShowPaneMenu(LPARAM screenPoint)
{
    const PopupMenu menu;
    if (menu.get() == nullptr)
        return;
    const WindowTexts& texts = WindowTextsIn(SessionState.Language);
    if (SessionState.Mode == CameraMode) {
        AppendMenuA(menu.get(), MF_STRING, IDC_STORE_BUTTON, texts.menuStore);
        AppendMenuA(menu.get(), ItemFlagsOf(IDC_RESTORE_BUTTON), IDC_RESTORE_BUTTON, texts.menuRestore);
        AppendMenuA(menu.get(), ItemFlagsOf(IDC_UNDO_BUTTON), IDC_UNDO_BUTTON, texts.menuUndo);
        AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    }
    AppendMenuA(menu.get(), MF_STRING, IDM_SETTINGS, texts.menuSettings);
    const int x = static_cast<short>(LOWORD(screenPoint));
    const int y = static_cast<short>(HIWORD(screenPoint));
    TrackPopupMenu(menu.get(), TPM_VCENTERALIGN | TPM_NONOTIFY, x, y, 0, SessionState.ControlWindow, nullptr);
}

bool IconAlive(HICON icon)
{
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts))
        return false;
    DeleteObject(parts.hbmMask);
    if (parts.hbmColor != nullptr)
        DeleteObject(parts.hbmColor);
    return true;
}

// Both modes' icons at `size`, replacing those of another scale.
void LoadPaneIcons(int size)
{
    const int ids[] = {IDI_MODELING_MODE, IDI_CAMERA_MODE};
    for (int mode = 0; mode < 2; ++mode) {
        if (SessionState.PaneIcons[mode] != nullptr)
            DestroyIcon(SessionState.PaneIcons[mode]);
        SessionState.PaneIcons[mode] = static_cast<HICON>(LoadImageA(
            SessionState.ModuleInstance, MAKEINTRESOURCEA(ids[mode]), IMAGE_ICON, size, size, LR_LOADMAP3DCOLORS));
    }
    SessionState.PaneIconSize = size;
}

}  // namespace

void RegisterStatusPane()
{
    StatusBarAddPane(SessionState.StatusBarModule, StatusPaneProc);
}

void SetStatusPaneText(const char* text)
{
    StatusBarSetText(SessionState.StatusBarModule, text);
}

void SetStatusPaneIcon(int32_t mode)
{
    if (SessionState.StatusBarModule == nullptr)
        return;
    // The pane sits in the host's main window, at that window's DPI.
    const int size = ScaledPixels(16, WindowDpi(SessionState.MainWindow));
    if (size != SessionState.PaneIconSize)
        LoadPaneIcons(size);
    const HICON copy = CopyIcon(SessionState.PaneIcons[mode == CameraMode ? 1 : 0]);
    if (copy == nullptr)
        return;
    if (!StatusBarSetIcon(SessionState.StatusBarModule, copy)) {
        DestroyIcon(copy);
        return;
    }
    const HICON replaced = SessionState.PaneIconShown;
    SessionState.PaneIconShown = copy;
    if (replaced != nullptr && replaced != copy && IconAlive(replaced))
        DestroyIcon(replaced);
}

LRESULT CALLBACK StatusPaneProc(HWND, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        HandedWindowActions().toggleMode();
        LeaveKeyboardWithHost();
        break;
    case WM_RBUTTONDOWN:
        ShowPaneMenu(lParam);
        break;
    default:
        break;
    }
    return 0;
}
