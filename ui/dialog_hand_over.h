#pragma once

// When the active configuration dialog closes while another stays open, the
// keyboard goes to that other one. Windows activates the window it is told
// to; a window manager that picks the next window itself as the active one
// disappears (as under Wine) would pick the host's main window instead. For a
// moment after the hand-over, no window but a configuration dialog is
// activated unless the user's mouse activates it.

#include <windows.h>

// Activates the dialog and keeps the activation on the dialogs for that moment.
void HandKeyboardTo(HWND dialog);

// Called as a dialog closes or is destroyed: when the keyboard was handed to
// it, the activation is free again at once.
void EndKeyboardHandOver(HWND dialog);
