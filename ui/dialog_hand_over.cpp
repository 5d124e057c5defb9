#include "ui/dialog_hand_over.h"

#include "ui/config_dialog.h"

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

}  // namespace

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

void EndKeyboardHandOver(HWND dialog)
{
    if (dialog == nullptr || dialog != HandOverDialog)
        return;
    KillTimer(dialog, HandOverTimer);
    UnhookWindowsHookEx(HandOverHook);
    HandOverHook = nullptr;
    HandOverDialog = nullptr;
}
