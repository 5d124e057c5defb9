#pragma once

// The control window's buttons are pushed with the mouse as any button is,
// but never take the keyboard: a standard button takes it at the press, which
// activates the control window and takes the keyboard from the host's field
// the user was typing into.

#include <windows.h>

// Makes the control window's buttons click without taking the keyboard.
void PushButtonsWithoutKeyboard(HWND window);
