#include "ui/control_window.h"

#include <windowsx.h>

#include "state/session_state.h"
#include "state/settings_registry.h"
#include "ui/control_window_layout.h"
#include "ui/gdi_holders.h"
#include "ui/host_keyboard.h"
#include "ui/window_actions.h"

namespace {

constexpr int CaptionStripWidth = 10;

LRESULT CallDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(SessionState.PrevControlProc, window, message, wParam, lParam);
}

// The body of the window (everywhere but the buttons, which answer for
// themselves) and its top and bottom edges act as a caption.
LRESULT HitTestAsCaption(LRESULT hit)
{
    if (hit == HTCLIENT || hit == HTTOP || hit == HTBOTTOM)
        return HTCAPTION;
    return hit;
}

// The window moves itself while it holds the mouse. The system's move would
// activate it, and Wine then remaps a window shown without activation as a
// managed one in the middle of the press, losing the release; a move that
// never takes the keyboard needs no activation at all.
void BeginBodyDrag(HWND window, LPARAM screenPoint)
{
    RECT frame;
    GetWindowRect(window, &frame);
    SessionState.DragGrip = POINT{GET_X_LPARAM(screenPoint) - frame.left, GET_Y_LPARAM(screenPoint) - frame.top};
    SessionState.NcLeftDown = 1;
    SetCapture(window);
}

void FollowPointer(HWND window, LPARAM clientPoint)
{
    POINT pointer = {GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    ClientToScreen(window, &pointer);
    SetWindowPos(window, nullptr, pointer.x - SessionState.DragGrip.x, pointer.y - SessionState.DragGrip.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// However the mouse was lost (the release, or another window taking it), the
// drag ends there, and the keyboard is the host's.
void EndBodyDrag()
{
    if (SessionState.NcLeftDown == 0)
        return;
    SessionState.NcLeftDown = 0;
    LeaveKeyboardWithHost();
}

}  // namespace

LRESULT CALLBACK ControlWndSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        CallDialogProc(window, message, wParam, lParam);
        PaintCaptionStrip(window, LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_PAINT:
        CallDialogProc(window, message, wParam, lParam);
        PaintCaptionStrip(window, GetActiveWindow() == window);
        return 0;
    case WM_NCDESTROY:
        // The window ends with the host's main window: the attachment ends,
        // and with it whatever a gesture started.
        HandedWindowActions().endGestures();
        SaveControlWndPlace(window);
        return CallDialogProc(window, message, wParam, lParam);
    case WM_NCHITTEST:
        return HitTestAsCaption(CallDialogProc(window, message, wParam, lParam));
    case WM_MOUSEACTIVATE:
        // Neither the body nor the buttons take the activation from the host.
        RememberHostKeyboard();
        return MA_NOACTIVATE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTCAPTION)
            return CallDialogProc(window, message, wParam, lParam);
        BeginBodyDrag(window, lParam);
        return 0;
    case WM_MOUSEMOVE:
        if (SessionState.NcLeftDown == 0 || GetCapture() != window)
            return CallDialogProc(window, message, wParam, lParam);
        FollowPointer(window, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (SessionState.NcLeftDown == 0 || GetCapture() != window)
            return CallDialogProc(window, message, wParam, lParam);
        FollowPointer(window, lParam);
        ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        EndBodyDrag();
        return CallDialogProc(window, message, wParam, lParam);
    default:
        return CallDialogProc(window, message, wParam, lParam);
    }
}

void SaveControlWndPlace(HWND window)
{
    RECT frame;
    if (GetWindowRect(window, &frame)) {
        SessionState.PosX = frame.left;
        SessionState.PosY = frame.top;
    }
    SaveControlWndPosition();
}

void ShowControlWindow(bool shown)
{
    if (!shown) {
        ShowWindow(SessionState.ControlWindow, SW_HIDE);
        return;
    }
    ShowWindow(SessionState.ControlWindow, SW_SHOWNOACTIVATE);
    // A show without activation leaves the window where it was in the
    // z-order, which may be under the host's main window.
    SetWindowPos(SessionState.ControlWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PaintCaptionStrip(HWND window, int active)
{
    const GdiObject brush(CreateSolidBrush(GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION)));
    const ClientDc dc(window);
    SelectObject(dc.get(), brush.get());
    RECT client;
    GetClientRect(window, &client);
    PatBlt(dc.get(), 0, 0, ControlPixels(CaptionStripWidth), client.bottom - client.top, PATCOPY);
    SelectObject(dc.get(), GetStockObject(NULL_BRUSH));
}
