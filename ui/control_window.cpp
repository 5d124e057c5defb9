#include "ui/control_window.h"

#include "camera/camera_memory.h"
#include "state/session_state.h"
#include "state/settings_registry.h"
#include "ui/config_dialog.h"
#include "ui/control_window_buttons.h"
#include "ui/control_window_layout.h"
#include "ui/control_window_tips.h"
#include "ui/host_keyboard.h"
#include "ui/resource_ids.h"
#include "ui/window_actions.h"
#include "ui/work_area.h"

namespace {

// By the host's language, not by the one Windows would pick for the thread:
// each template exists in one language only.
int ControlWindowTemplate(HostLanguage language)
{
    return language == HostLanguage::English ? IDD_CONTROL_WINDOW_ENGLISH : IDD_CONTROL_WINDOW;
}

// A window moved to a display of another scale is laid out again at its DPI,
// with the tips of its buttons, and takes the place Windows suggests.
void TakeNewDpi(HWND window, WPARAM dpis, const RECT& suggested)
{
    LayOutControlWindow(window, LOWORD(dpis));
    MoveButtonTips(window);
    const int clientWidth = SessionState.Mode == CameraMode ? CameraClientWidth : ModelingClientWidth;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, ControlWindowWidth(clientWidth),
                 ControlWindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

// Whenever the window is shown, moves or takes a new size (at the start, at a
// mode switch, on a display of another DPI, while the user drags it) it lies
// whole on its monitor's work area, so that every button stays in reach; a
// stored place that no monitor shows any more opens on the nearest one.
void KeepOnWorkArea(HWND window, WINDOWPOS& position)
{
    if ((position.flags & SWP_NOSIZE) != 0 && (position.flags & SWP_NOMOVE) != 0 &&
        (position.flags & SWP_SHOWWINDOW) == 0)
        return;
    RECT frame;
    GetWindowRect(window, &frame);
    const POINT wanted = (position.flags & SWP_NOMOVE) != 0 ? POINT{frame.left, frame.top}
                                                             : POINT{position.x, position.y};
    const SIZE size = (position.flags & SWP_NOSIZE) != 0 ? SIZE{frame.right - frame.left, frame.bottom - frame.top}
                                                          : SIZE{position.cx, position.cy};
    const POINT place = PlaceOnWorkArea(wanted, size);
    if (place.x == wanted.x && place.y == wanted.y)
        return;
    position.x = place.x;
    position.y = place.y;
    position.flags &= ~SWP_NOMOVE;
}

// The template's button positions are replaced by pixel positions; labels and
// read-outs keep theirs.
void InitialiseControlWindow(HWND window)
{
    SessionState.ModeButton = GetDlgItem(window, IDC_MODE_BUTTON);
    LayOutControlWindow(window, WindowDpi(window));
    // Nothing is stored and no drag was taken yet.
    EnableWindow(GetDlgItem(window, IDC_RESTORE_BUTTON), FALSE);
    EnableWindow(GetDlgItem(window, IDC_UNDO_BUTTON), FALSE);
    AddButtonTips(window);
    PushButtonsWithoutKeyboard(window);

    LoadControlWndPosition();
    SetWindowPos(window, nullptr, SessionState.PosX, SessionState.PosY, ControlWindowWidth(ModelingClientWidth),
                 ControlWindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    SessionState.PrevControlProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlWndSubclassProc)));
}

// The command's operation, or null for an id that is not the control window's.
void (*CommandAction(int id))()
{
    switch (id) {
    case IDC_MODE_BUTTON:
        return HandedWindowActions().toggleMode;
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
    // The dialog the settings command opened keeps the keyboard it was given.
    if (id != IDM_SETTINGS || SessionState.ConfigWindow == nullptr)
        LeaveKeyboardWithHost();
    return TRUE;
}

}  // namespace

HWND CreateControlWindow()
{
    return CreateDialogParamA(SessionState.ModuleInstance,
                              MAKEINTRESOURCEA(ControlWindowTemplate(SessionState.Language)),
                              SessionState.MainWindow, ControlWndProc, 0);
}

INT_PTR CALLBACK ControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitialiseControlWindow(window);
        return FALSE;  // the keyboard stays with the host
    case WM_COMMAND:
        return RunCommand(LOWORD(wParam));
    case WM_NOTIFY:
        AnswerTipRequest(lParam);
        return FALSE;
    case WM_DPICHANGED:
        TakeNewDpi(window, wParam, *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_WINDOWPOSCHANGING:
        KeepOnWorkArea(window, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_NCMOUSEMOVE:
        RelayToButtonTips(window, lParam);
        return FALSE;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONUP:
        LeaveKeyboardWithHost();
        return FALSE;
    default:
        return FALSE;
    }
}
