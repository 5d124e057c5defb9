#pragma once

// The control window: a captionless floating window from dialog template 102
// (112 on a host in English, whose camera buttons carry pictures instead of
// words), owned by the host's main window. It shows the activity strip, the
// mode button and, in CameraMode, the store, restore and undo buttons with the
// ZOOM and BANK read-outs. Its buttons have tooltips in the host's language.
// It never takes the keyboard by itself. Its whole body is a drag handle, and
// after every move and every command but the one that opens the configuration
// dialog the keyboard focus goes back to the host's main window.
// Its pixel layout, icons and pictures follow the DPI of the display it is on.

#include <windows.h>

#include <cstdint>

// Creates the window, hidden, owned by SessionState.MainWindow; null when it
// cannot be created. Its initialisation sets ModeButton, ModelingIcon,
// CameraIcon, PosX, PosY and PrevControlProc.
HWND CreateControlWindow();

// The dialog procedure of template 102: initialisation, the commands of the
// buttons and of the status pane's menu, and the focus hand-back after the
// window was moved. The window never takes the keyboard by itself; the
// settings command leaves it to the dialog it opened.
INT_PTR CALLBACK ControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The window procedure put in front of the dialog's own: the activity strip,
// dragging by the body, and the position saved when the window ends.
LRESULT CALLBACK ControlWndSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Where the window opens for the stored top-left corner (x, y). A stored place
// that no monitor shows any more (a monitor unplugged, a resolution changed)
// would leave the captionless window beyond the user's reach: it then opens
// inside the nearest monitor's work area.
POINT ControlWndShownPlace(int32_t x, int32_t y);

// Shows the window above the host's windows without activating it, so the
// keyboard stays where it is, or hides it.
void ShowControlWindow(bool shown);

// Records the window's top-left corner in PosX and PosY and saves them. A
// window left where an unreachable stored place made it open keeps that stored
// place, for when its monitor comes back.
void SaveControlWndPlace(HWND window);

// Paints the strip at the left edge, 10 pixels wide at 96 dpi, in the active
// or inactive caption colour.
void PaintCaptionStrip(HWND window, int active);
