#include "ui/control_window_buttons.h"

#include <commctrl.h>
#include <windowsx.h>

#include <initializer_list>

#include "ui/resource_ids.h"

namespace {

constexpr UINT_PTR PushWithoutKeyboardId = 0x5A56;

bool Over(HWND button, LPARAM clientPoint)
{
    RECT client;
    GetClientRect(button, &client);
    return PtInRect(&client, POINT{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)}) != FALSE;
}

// The press holds the mouse and shows the button pushed; the button's own
// procedure follows the pointer in and out; the release over the button
// clicks it. Everything else is the button's own.
LRESULT CALLBACK PushWithoutKeyboard(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(button);
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() != button)
            break;
        {
            const bool clicked = Over(button, lParam);
            ReleaseCapture();
            if (clicked)
                SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button));
        }
        return 0;
    case WM_CAPTURECHANGED:
        SendMessageA(button, BM_SETSTATE, FALSE, 0);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, PushWithoutKeyboard, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

void PushButtonsWithoutKeyboard(HWND window)
{
    for (const int id : {IDC_MODE_BUTTON, IDC_STORE_BUTTON, IDC_RESTORE_BUTTON, IDC_UNDO_BUTTON})
        SetWindowSubclass(GetDlgItem(window, id), PushWithoutKeyboard, PushWithoutKeyboardId, 0);
}
