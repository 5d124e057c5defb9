#include "ui/host_keyboard.h"

#include "state/session_state.h"

namespace {

bool InControlWindow(HWND window)
{
    return window != nullptr && GetAncestor(window, GA_ROOT) == SessionState.ControlWindow;
}

// A window of the host's user-interface thread that can have the keyboard.
bool CanTakeKeyboard(HWND window)
{
    return window != nullptr && IsWindow(window) && !InControlWindow(window) && IsWindowVisible(window) &&
           IsWindowEnabled(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

void RememberHostKeyboard()
{
    const HWND focus = GetFocus();
    if (CanTakeKeyboard(focus))
        SessionState.HostKeyboard = focus;
}

void LeaveKeyboardWithHost()
{
    const HWND focus = GetFocus();
    if (focus != nullptr && !InControlWindow(focus) && GetActiveWindow() != SessionState.ControlWindow)
        return;
    SetFocus(CanTakeKeyboard(SessionState.HostKeyboard) ? SessionState.HostKeyboard : SessionState.MainWindow);
}

void RememberKeyboardTakenByDialog(HWND focus)
{
    if (!CanTakeKeyboard(focus))
        return;
    if (focus == SessionState.MainWindow && CanTakeKeyboard(SessionState.DialogKeyboard))
        return;
    SessionState.DialogKeyboard = focus;
}

void GiveKeyboardBackAfterDialog()
{
    SetFocus(CanTakeKeyboard(SessionState.DialogKeyboard) ? SessionState.DialogKeyboard : SessionState.MainWindow);
}

void ForgetKeyboardTakenByDialog()
{
    SessionState.DialogKeyboard = nullptr;
}
