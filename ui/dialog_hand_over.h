#pragma once

// The keyboard between the configuration dialogs and the host: a dialog takes
// it from the host's window where the user typed, and as the dialog that has
// it closes, it goes to the newest other open dialog, or from the last one
// back to that window of the host.
//
// Windows activates the window it is told to; a window manager that picks the
// next window itself as the active one disappears (as under Wine) would pick
// the host's main window instead. For a moment after a hand-over to another
// dialog, no window but a configuration dialog is activated unless the user's
// mouse activates it.

#include <windows.h>

// Called as a dialog is activated, before it takes the keyboard: remembers
// where the user typed when it comes from a window of the host.
void TakeKeyboardFromHost();

// The dialog opened last that is still open, other than this one; the topmost
// other one when that one was closed; null when no other is open.
HWND NewestOtherDialog(HWND dialog);

// Called as a dialog closes, before it is destroyed, so that no window manager
// hands the keyboard to a window of its own choosing in between: when the
// dialog is the active window, the keyboard goes on to the newest other dialog
// or back to the host.
void PassKeyboardOn(HWND closing);

// Called as a dialog closes or is destroyed: when the keyboard was handed to
// it, the activation is free again at once.
void EndKeyboardHandOver(HWND dialog);
