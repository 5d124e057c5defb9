#include "ui/control_window.h"

#include "input/mode_switch.h"
#include "state/session_state.h"
#include "state/settings_registry.h"
#include "ui/control_window_layout.h"
#include "ui/gdi_holders.h"

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
        EndGestures();
        SaveControlWndPlace(window);
        return CallDialogProc(window, message, wParam, lParam);
    case WM_NCHITTEST:
        return HitTestAsCaption(CallDialogProc(window, message, wParam, lParam));
    default:
        return CallDialogProc(window, message, wParam, lParam);
    }
}

void SaveControlWndPlace(HWND window)
{
    RECT frame;
    if (GetWindowRect(window, &frame)) {
        const POINT shown = ControlWndShownPlace(SessionState.PosX, SessionState.PosY);
        if (frame.left != shown.x || frame.top != shown.y) {
            SessionState.PosX = frame.left;
            SessionState.PosY = frame.top;
        }
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
