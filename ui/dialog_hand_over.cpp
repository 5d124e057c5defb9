#include "ui/dialog_hand_over.h"

#include "state/session_state.h"
#include "ui/config_dialog.h"
#include "ui/host_keyboard.h"

namespace {

// Long enough for a window manager to answer the closing dialog's disappearance.
constexpr UINT HandOverMilliseconds = 500;
constexpr UINT_PTR HandOverTimer = 0x5A48;

HHOOK HandOverHook = nullptr;
HWND HandOverDialog = nullptr;

LRESULT CALLBACK KeepActivationOnDialogs(int code, WPARAM window, LPARAM data) noexcept
{
    if (code == HCBT_ACTIVATE && !reinterpret_cast<const CBTACTIVATESTRUCT*>(data)->fMouse &&
        !IsConfigDialog(reinterpret_cast<HWND>(window)))
        return 1;
    return CallNextHookEx(nullptr, code, window, data);
}

void CALLBACK EndAtTimer(HWND dialog, UINT, UINT_PTR, DWORD) noexcept
{
    EndKeyboardHandOver(dialog);
}

// Activates the dialog and keeps the activation on the dialogs for a moment.
void HandKeyboardTo(HWND dialog)
{
    SetForegroundWindow(dialog);
    EndKeyboardHandOver(HandOverDialog);
    HandOverHook = SetWindowsHookExA(WH_CBT, KeepActivationOnDialogs, nullptr, GetCurrentThreadId());
    if (HandOverHook == nullptr)
        return;
    HandOverDialog = dialog;
    SetTimer(dialog, HandOverTimer, HandOverMilliseconds, EndAtTimer);
}

BOOL CALLBACK FindOtherDialog(HWND window, LPARAM found) noexcept
{
    auto* dialogs = reinterpret_cast<HWND*>(found);
    if (window == dialogs[0] || !IsConfigDialog(window))
        return TRUE;
    dialogs[1] = window;
    return FALSE;
}

}  // namespace

// The keyboard comes to a dialog from where it was: from the host's window
// where the user typed, or from another dialog. (The message box a dialog
// shows over itself is gone, hidden, when the dialog has the keyboard again.)
void TakeKeyboardFromHost()
{
    const HWND focus = GetFocus();
    if (!IsConfigDialog(GetAncestor(focus, GA_ROOT)))
        RememberKeyboardTakenByDialog(focus);
}

HWND NewestOtherDialog(HWND dialog)
{
    if (SessionState.ConfigWindow != nullptr && SessionState.ConfigWindow != dialog)
        return SessionState.ConfigWindow;
    HWND dialogs[2] = {dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOtherDialog, reinterpret_cast<LPARAM>(dialogs));
    return dialogs[1];
}

void PassKeyboardOn(HWND closing)
{
    EndKeyboardHandOver(closing);
    if (GetActiveWindow() != closing)
        return;
    const HWND other = NewestOtherDialog(closing);
    if (other != nullptr)
        HandKeyboardTo(other);
    else
        GiveKeyboardBackAfterDialog();
}

void EndKeyboardHandOver(HWND dialog)
{
    if (dialog == nullptr || dialog != HandOverDialog)
        return;
    KillTimer(dialog, HandOverTimer);
    UnhookWindowsHookEx(HandOverHook);
    HandOverHook = nullptr;
    HandOverDialog = nullptr;
}
