#pragma once

// The plug-in's pane in the host's status bar, provided by the optional
// status-bar library. A left click switches the mode; a right click opens a
// menu of the camera commands (CameraMode only) and the settings, whose choice
// reaches the control window as a command.

#include <windows.h>

#include <cstdint>

// Adds the pane, once, at attachment.
void RegisterStatusPane();

// The pane's text, and the icon of `mode`, 16 x 16 at 96 dpi and scaled to
// the host's main window's DPI; skipped when the library or its export is
// missing. Each mode's icon is loaded once per scale and kept; the pane gets a
// copy of it that no one else holds, so that the library may destroy it when
// the next one replaces it, and the plug-in destroys it then when the library
// did not. However many switches, the plug-in holds three icons.
void SetStatusPaneText(const char* text);
void SetStatusPaneIcon(int32_t mode);

// Called by the status-bar library with the pane's mouse messages; lParam
// carries the click's screen position. Always returns 0.
LRESULT CALLBACK StatusPaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
