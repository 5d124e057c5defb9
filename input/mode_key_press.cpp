#include "input/mode_key_press.h"

#include <commctrl.h>

#include "input/hook_system_calls.h"
#include "input/mode_switch.h"
#include "state/mode_key.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "ui/config_dialog.h"

namespace {

constexpr LPARAM PreviousKeyState = 0x40000000;

bool KeyDown(int key)
{
    return (HookSystem.getKeyState(key) & 0x8000) != 0;
}

// Shift, Ctrl and Alt as the thread's key state has them at this message,
// in the hot-key control's flags.
uint8_t ModifiersDown()
{
    return static_cast<uint8_t>((KeyDown(VK_SHIFT) ? HOTKEYF_SHIFT : 0) | (KeyDown(VK_CONTROL) ? HOTKEYF_CONTROL : 0) |
                                (KeyDown(VK_MENU) ? HOTKEYF_ALT : 0));
}

// The stored key's press with exactly its modifiers (with Alt it comes as a
// system key), not an auto-repeat; or the release of the press that switched,
// with whatever modifiers are down by then. A release is no press: one whose
// press did not switch passes. While a dialog's key field has the keyboard,
// the key is the field's.
bool IsModeKeyPressOrRelease(const MSG& message)
{
    const bool previouslyDown = (message.lParam & PreviousKeyState) != 0;
    bool taken = false;
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP)
        taken = previouslyDown && SessionState.KeyLatch == 0;
    else if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)
        taken = !previouslyDown && ModifiersDown() == ModeKeyModifiers(PluginSettings.ModeKey);
    return taken && !IsConfigDialogKeyField(message.hwnd);
}

}  // namespace

// The host's loop knows nothing of the modeless configuration dialog: its keys
// go through the dialog's own handling here, once, on the delivery that
// removes them. The mode key keeps its meaning in every window of the thread
// but the dialog's key field.
Ending OnKey(MSG& message, bool removed)
{
    if (!IsModeKeyNumber(message.wParam, ModeKeyVirtualKey(PluginSettings.ModeKey)) ||
        !IsModeKeyPressOrRelease(message))
        return removed && TakeConfigDialogKey(message) ? Ending::Consume : Ending::Pass;
    if (!LatchActs(SessionState.KeyLatch))
        return Ending::Consume;
    Act(ToggleMode);
    return Ending::Keep;
}
