#pragma once

// The keyboard belongs to the host: the control window and the status pane
// take it from nobody, and a click on them leaves it, and the activation, with
// the host's window that had it, as a floating palette's buttons do. The
// configuration dialog alone takes it, because the user types into it.

#include <windows.h>

// Called as the user's press reaches the control window: remembers which
// window of the host has the keyboard, in case something gives it to the
// control window on the way.
void RememberHostKeyboard();

// Called when the user's click on the control window or the status pane has
// done its work: where a window of the host (or an open configuration dialog)
// has the keyboard, it stays there; where the control window has it, or
// nobody does, it goes back to the host's window that had it before the
// click, or to the host's main window when that one is gone.
void LeaveKeyboardWithHost();

// Called whenever a configuration dialog takes the keyboard from a window of
// the host (as it opens, and each time the user comes back to it): remembers
// that window as where the user typed, unless it is the host's main window
// itself, which stands for no window of its own.
void RememberKeyboardTakenByDialog(HWND focus);

// Called when the last configuration dialog closes, before it is destroyed:
// the keyboard goes back to the host's window remembered, or to the host's
// main window when that one is gone, hidden or disabled.
void GiveKeyboardBackAfterDialog();

// Called when no configuration dialog is open any more, however the last one
// closed: a dialog opened later never gives the keyboard to a window
// remembered before it.
void ForgetKeyboardTakenByDialog();
