#include "ui/control_window.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "camera/camera_memory.h"
#include "input/mode_switch.h"
#include "input/session_state.h"
#include "ui/config_dialog.h"
#include "ui/control_window_layout.h"
#include "ui/resource_ids.h"
#include "ui/settings_registry.h"

namespace {

constexpr int ModeButtonSize = 32;
constexpr int CameraButtonWidth = 22;

void PlaceControl(HWND window, int id, int x, int width, int height)
{
    MoveWindow(GetDlgItem(window, id), x, 0, width, height, TRUE);
}

LONG Saturated(int64_t value)
{
    return static_cast<LONG>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(value, INT32_MAX)));
}

// A stored place that no monitor shows any more (a monitor unplugged, a
// resolution changed) would leave the captionless window beyond the user's
// reach: it is then shown inside the nearest monitor's work area. The stored
// place itself is kept.
POINT ShownPlace(int32_t x, int32_t y, int width, int height)
{
    const RECT stored = {x, y, Saturated(int64_t{x} + width), Saturated(int64_t{y} + height)};
    if (MonitorFromRect(&stored, MONITOR_DEFAULTTONULL) != nullptr)
        return POINT{x, y};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&stored, MONITOR_DEFAULTTONEAREST), &monitor))
        return POINT{x, y};
    const RECT& work = monitor.rcWork;
    return POINT{std::max(work.left, std::min<LONG>(x, work.right - width)),
                 std::max(work.top, std::min<LONG>(y, work.bottom - height))};
}

// The template's button positions are replaced by pixel positions; labels and
// read-outs keep theirs.
void InitialiseControlWindow(HWND window)
{
    PlaceControl(window, IDC_STORE_BUTTON, 48, CameraButtonWidth, ControlClientHeight);
    PlaceControl(window, IDC_RESTORE_BUTTON, 72, CameraButtonWidth, ControlClientHeight);
    PlaceControl(window, IDC_UNDO_BUTTON, 96, CameraButtonWidth, ControlClientHeight);
    // Nothing is stored and no drag was taken yet.
    EnableWindow(GetDlgItem(window, IDC_RESTORE_BUTTON), FALSE);
    EnableWindow(GetDlgItem(window, IDC_UNDO_BUTTON), FALSE);

    SessionState.ModelingIcon = LoadIconA(SessionState.ModuleInstance, MAKEINTRESOURCEA(IDI_MODELING_MODE));
    SessionState.CameraIcon = LoadIconA(SessionState.ModuleInstance, MAKEINTRESOURCEA(IDI_CAMERA_MODE));
    SessionState.ModeButton = GetDlgItem(window, IDC_MODE_BUTTON);
    SendMessageA(SessionState.ModeButton, BM_SETIMAGE, IMAGE_ICON,
                 reinterpret_cast<LPARAM>(SessionState.ModelingIcon));
    MoveWindow(SessionState.ModeButton, 12, 0, ModeButtonSize, ModeButtonSize, TRUE);

    LoadControlWndPosition();
    const int width = ControlWindowWidth(ModelingClientWidth);
    const POINT place = ShownPlace(SessionState.PosX, SessionState.PosY, width, ControlWindowHeight());
    SetWindowPos(window, nullptr, place.x, place.y, width, ControlWindowHeight(), SWP_NOZORDER);
    SessionState.PrevControlProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlWndSubclassProc)));
}

// The command's operation, or null for an id that is not the control window's.
void (*CommandAction(int id))()
{
    switch (id) {
    case IDC_MODE_BUTTON:
        return ToggleMode;
    case IDC_UNDO_BUTTON:
        return UndoCameraDrag;
    case IDC_STORE_BUTTON:
        return StoreCamera;
    case IDC_RESTORE_BUTTON:
        return RestoreCamera;
    case IDM_SETTINGS:
        return ShowConfigDialog;
    default:
        return nullptr;
    }
}

void ReturnFocusToHost()
{
    SetFocus(SessionState.MainWindow);
}

BOOL RunCommand(int id)
{
    void (*action)() = CommandAction(id);
    if (action == nullptr)
        return FALSE;
    try {
        action();
    } catch (...) {
        // The host failed inside the operation; its holders have released what
        // it held, and the camera is as the host left it.
    }
    ReturnFocusToHost();
    return TRUE;
}

}  // namespace

HWND CreateControlWindow()
{
    return CreateDialogParamA(SessionState.ModuleInstance, MAKEINTRESOURCEA(IDD_CONTROL_WINDOW),
                              SessionState.MainWindow, ControlWndProc, 0);
}

INT_PTR CALLBACK ControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitialiseControlWindow(window);
        return TRUE;
    case WM_COMMAND:
        return RunCommand(LOWORD(wParam));
    // A press on the body starts the system's move; the first non-client
    // mouse move after it comes when the move is over.
    case WM_NCLBUTTONDOWN:
        SessionState.NcLeftDown = 1;
        return FALSE;
    case WM_NCMOUSEMOVE:
        if (SessionState.NcLeftDown == 1) {
            SessionState.NcLeftDown = 0;
            ReturnFocusToHost();
        }
        return FALSE;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONUP:
        ReturnFocusToHost();
        return FALSE;
    default:
        return FALSE;
    }
}
