#include "ui/config_dialog.h"

#include <commctrl.h>

#include "state/session_state.h"
#include "ui/config_dialog_ids.h"
#include "ui/config_dialog_settings.h"
#include "ui/dialog_hand_over.h"
#include "ui/host_keyboard.h"
#include "ui/mode_key_field.h"
#include "ui/speed_sliders.h"
#include "ui/work_area.h"

int OpenConfigDialogs = 0;

namespace {

// By the host's language, not by the one Windows would pick for the thread:
// each template exists in one language only.
int ConfigDialogTemplate(HostLanguage language)
{
    return language == HostLanguage::English ? IDD_CONFIG_DIALOG_ENGLISH : IDD_CONFIG_DIALOG;
}

void Close(HWND dialog)
{
    PassKeyboardOn(dialog);
    DestroyWindow(dialog);
}

// Centred by its template, a second dialog would lie exactly over the first:
// it steps a caption's height down and right of the newest one instead, and
// stays whole on the work area.
void StepAwayFromOtherDialogs(HWND dialog)
{
    const HWND newest = NewestOtherDialog(dialog);
    RECT other, frame;
    if (newest == nullptr || !GetWindowRect(newest, &other) || !GetWindowRect(dialog, &frame))
        return;
    const int step = GetSystemMetrics(SM_CYCAPTION);
    const POINT place = PlaceOnWorkArea(POINT{other.left + step, other.top + step},
                                        SIZE{frame.right - frame.left, frame.bottom - frame.top});
    SetWindowPos(dialog, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool IsConfigDialog(HWND window)
{
    constexpr ULONG_PTR DialogClassAtom = 0x8002;
    return GetClassLongPtrA(window, GCW_ATOM) == DialogClassAtom &&
           GetWindowLongPtrA(window, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(ConfigDialogProc);
}

void ShowConfigDialog()
{
    // The template's mode-key field is comctl32's hot-key control, its speeds trackbars.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_HOTKEY_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    const HWND dialog = CreateDialogParamA(SessionState.ModuleInstance,
                                           MAKEINTRESOURCEA(ConfigDialogTemplate(SessionState.Language)),
                                           SessionState.MainWindow, ConfigDialogProc, 0);
    if (dialog != nullptr)
        StepAwayFromOtherDialogs(dialog);
    SessionState.ConfigWindow = dialog;
    if (dialog != nullptr)
        ShowWindow(dialog, SW_SHOW);
}

bool TakeConfigDialogKey(MSG& message)
{
    if (OpenConfigDialogs == 0)
        return false;
    const HWND dialog = GetAncestor(message.hwnd, GA_ROOT);
    if (dialog == nullptr || !IsConfigDialog(dialog))
        return false;
    // Alt+F4 closes the dialog from every control, a list too, which would
    // hand it to its drop-down; the key field alone takes it as a key.
    const bool altF4 = message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
    if (altF4 && GetDlgCtrlID(message.hwnd) != IDC_CONFIG_MODE_KEY)
        return PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
    return IsDialogMessageA(dialog, &message) != FALSE;
}

bool IsConfigDialogKeyField(HWND window)
{
    return OpenConfigDialogs != 0 && GetDlgCtrlID(window) == IDC_CONFIG_MODE_KEY && IsConfigDialog(GetParent(window));
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        switch (message) {
        case WM_INITDIALOG:
            // Marked as counted: a dialog whose creation failed earlier is
            // destroyed without ever being initialised.
            SetWindowLongPtrA(dialog, DWLP_USER, 1);
            ++OpenConfigDialogs;
            TakeOverModeKeyField(GetDlgItem(dialog, IDC_CONFIG_MODE_KEY));
            FillConfigLists(dialog);
            SetUpSpeedSliders(dialog);
            ShowCurrentSettings(dialog);
            return TRUE;  // the system sets the initial focus
        case WM_ACTIVATE:
            // Before the default processing gives the dialog the keyboard.
            if (LOWORD(wParam) != WA_INACTIVE)
                TakeKeyboardFromHost();
            return FALSE;
        case WM_COMMAND:
            // The default processing turns the close box into IDCANCEL. A
            // message box that OK shows stands over the dialog, which closes after.
            if (LOWORD(wParam) == IDOK)
                AcceptDialogSettings(dialog);
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
                Close(dialog);
            return FALSE;
        case WM_HSCROLL:
            FollowSpeedSlider(dialog, reinterpret_cast<HWND>(lParam));
            return FALSE;
        case WM_DESTROY:
            EndKeyboardHandOver(dialog);
            // No handle of a dialog that is gone stays behind.
            if (SessionState.ConfigWindow == dialog)
                SessionState.ConfigWindow = nullptr;
            if (SetWindowLongPtrA(dialog, DWLP_USER, 0) != 0 && --OpenConfigDialogs == 0)
                ForgetKeyboardTakenByDialog();
            return FALSE;
        default:
            return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}
