#pragma once

// The control window: a captionless floating window from dialog template 102
// (112 on a host in English, whose camera buttons carry pictures instead of
// words), owned by the host's main window. It shows the activity strip, the
// mode button and, in CameraMode, the store, restore and undo buttons with the
// ZOOM and BANK read-outs. Its buttons have tooltips in the host's language.
// Neither a click on its buttons nor a drag by its body, which is a drag
// handle, activates it or takes the keyboard: after each the keyboard is where
// it was in the host. Its pixel layout, icons and pictures follow the DPI of
// the display it is on. Shown, resized or dragged, it lies whole on its
// monitor's work area.

#include <windows.h>

// Creates the window, hidden, owned by SessionState.MainWindow; null when it
// cannot be created. Its initialisation sets ModeButton, ModelingIcon,
// CameraIcon, PosX, PosY and PrevControlProc.
HWND CreateControlWindow();

// The dialog procedure of template 102: initialisation, the commands of the
// buttons and of the status pane's menu, the keyboard left with the host after
// each and after a click on the body, and the place kept on the work area. The
// settings command leaves the keyboard to the dialog it opened.
INT_PTR CALLBACK ControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window procedure put in front of the dialog's own: the activity strip,
// dragging by the body, which ends at the release and leaves the keyboard
// with the host, and the position saved when the window ends.
LRESULT CALLBACK ControlWndSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the window above the host's windows without activating it, so the
// keyboard stays where it is, or hides it.
void ShowControlWindow(bool shown);

// Records the window's top-left corner in PosX and PosY and saves them: the
// next start opens it where it stands.
void SaveControlWndPlace(HWND window);

// Paints the strip at the left edge, 10 pixels wide at 96 dpi, in the active
// or inactive caption colour.
void PaintCaptionStrip(HWND window, int active);
