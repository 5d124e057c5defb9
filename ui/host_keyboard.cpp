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

// The main window's frame, which a click on the host's menu bar gives the
// keyboard on the way to a dialog, is where the keyboard goes anyway when no
// window remembered can take it: it is never remembered itself.
void RememberKeyboardTakenByDialog(HWND focus)
{
    if (CanTakeKeyboard(focus) && focus != SessionState.MainWindow)
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
