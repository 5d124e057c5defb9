#include "ui/config_dialog.h"

#include <commctrl.h>

#include "state/session_state.h"
#include "state/settings.h"
#include "state/settings_registry.h"
#include "ui/config_dialog_ids.h"
#include "ui/config_lists.h"
#include "ui/control_window.h"
#include "ui/dialog_hand_over.h"
#include "ui/host_keyboard.h"
#include "ui/mode_key_field.h"
#include "ui/speed_sliders.h"
#include "ui/texts/texts.h"
#include "ui/work_area.h"

int OpenConfigDialogs = 0;

namespace {

void FillLists(HWND dialog)
{
    for (const ConfigList& list : ConfigLists) {
        const char* const* items = ListItems(list, SessionState.Language);
        for (int i = 0; i < list.itemCount; ++i)
            SendDlgItemMessageA(dialog, list.controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
    }
}

// By the host's language, not by the one Windows would pick for the thread:
// each template exists in one language only.
int ConfigDialogTemplate(HostLanguage language)
{
    return language == HostLanguage::English ? IDD_CONFIG_DIALOG_ENGLISH : IDD_CONFIG_DIALOG;
}

void ShowCurrentSettings(HWND dialog)
{
    for (const ConfigList& list : ConfigLists)
        SendDlgItemMessageA(dialog, list.controlId, CB_SETCURSEL,
                            static_cast<WPARAM>(ListSelectionFor(list, PluginSettings.*list.field)), 0);
    // Any nonzero flag counts as set; a plain check box knows only checked and cleared.
    for (const ConfigCheckBox& box : ConfigCheckBoxes)
        CheckDlgButton(dialog, box.controlId, PluginSettings.*box.field != 0 ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_CONFIG_MODE_KEY, HKM_SETHOTKEY, static_cast<WPARAM>(PluginSettings.ModeKey), 0);
    ShowSpeeds(dialog, PluginSettings);
}

// Every control is read before anything is written, so the record is never
// left half replaced.
void TakeSettingsFromControls(HWND dialog)
{
    PluginSettingsRecord settings = PluginSettings;
    for (const ConfigList& list : ConfigLists) {
        const auto selection = static_cast<int>(SendDlgItemMessageA(dialog, list.controlId, CB_GETCURSEL, 0, 0));
        settings.*list.field = ListValueFor(list, selection);
    }
    for (const ConfigCheckBox& box : ConfigCheckBoxes)
        settings.*box.field = IsDlgButtonChecked(dialog, box.controlId) == BST_CHECKED ? 1 : 0;
    // The key and its modifier flags as the field holds them; an empty field is no key.
    const LRESULT key = SendDlgItemMessageA(dialog, IDC_CONFIG_MODE_KEY, HKM_GETHOTKEY, 0, 0);
    settings.ModeKey = static_cast<int32_t>(key & 0xFFFF);
    TakeSpeeds(dialog, settings);
    PluginSettings = settings;
}

// The keyboard comes to a dialog from where it was: from the host's window
// where the user typed, or from another dialog. (The message box a dialog
// shows over itself is gone, hidden, when the dialog has the keyboard again.)
void TakeKeyboardFromHost()
{
    const HWND focus = GetFocus();
    if (!IsConfigDialog(GetAncestor(focus, GA_ROOT)))
        RememberKeyboardTakenByDialog(focus);
}

BOOL CALLBACK ShowSavedSettingsUnlessAccepted(HWND window, LPARAM accepted) noexcept
{
    if (window != reinterpret_cast<HWND>(accepted) && IsConfigDialog(window))
        ShowCurrentSettings(window);
    return TRUE;
}

BOOL CALLBACK FindOtherDialog(HWND window, LPARAM found) noexcept
{
    auto* dialogs = reinterpret_cast<HWND*>(found);
    if (window == dialogs[0] || !IsConfigDialog(window))
        return TRUE;
    dialogs[1] = window;
    return FALSE;
}

// The dialog opened last that is still open, other than this one; the
// topmost other one when that one was closed; null when no other is open.
HWND NewestOtherDialog(HWND dialog)
{
    if (SessionState.ConfigWindow != nullptr && SessionState.ConfigWindow != dialog)
        return SessionState.ConfigWindow;
    HWND dialogs[2] = {dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOtherDialog, reinterpret_cast<LPARAM>(dialogs));
    return dialogs[1];
}

// Another open dialog keeps the keyboard; the last one gives it back to the
// host's window where the user typed.
void PassKeyboardOn(HWND closing)
{
    const HWND other = NewestOtherDialog(closing);
    if (other != nullptr)
        HandKeyboardTo(other);
    else
        GiveKeyboardBackAfterDialog();
}

// The keyboard goes on before the dialog that has it is destroyed, so that no
// window manager hands it to a window of its own choosing in between.
void Close(HWND dialog)
{
    EndKeyboardHandOver(dialog);
    if (GetActiveWindow() == dialog)
        PassKeyboardOn(dialog);
    DestroyWindow(dialog);
}

// A dialog still showing the values it was opened with would save them back
// with its own OK: every other open dialog shows what was just saved. Settings
// that could not be saved still apply until the host closes; the user is told
// that they will be gone then, over the dialog, which closes after.
void Accept(HWND dialog)
{
    TakeSettingsFromControls(dialog);
    const bool saved = SaveSettings();
    EnumThreadWindows(GetCurrentThreadId(), ShowSavedSettingsUnlessAccepted, reinterpret_cast<LPARAM>(dialog));
    ShowControlWindow(PluginSettings.ShowControlWnd != 0);
    if (!saved) {
        const WindowTexts& texts = WindowTextsIn(SessionState.Language);
        MessageBoxA(dialog, texts.settingsNotSaved, texts.settingsCaption, MB_OK | MB_ICONWARNING);
    }
    Close(dialog);
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
            FillLists(dialog);
            SetUpSpeedSliders(dialog);
            ShowCurrentSettings(dialog);
            return TRUE;  // the system sets the initial focus
        case WM_ACTIVATE:
            // Before the default processing gives the dialog the keyboard.
            if (LOWORD(wParam) != WA_INACTIVE)
                TakeKeyboardFromHost();
            return FALSE;
        case WM_COMMAND:
            // The default processing turns the close box into IDCANCEL.
            if (LOWORD(wParam) == IDOK)
                Accept(dialog);
            else if (LOWORD(wParam) == IDCANCEL)
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
