#pragma once

// Pictures of the plug-in's windows as Xvfb shows them, written as PNG files
// for a person to look at.

#include <windows.h>

// Copies the window's screen rectangle, frame included, into a PNG file.
// Returns false when the picture could not be taken or written.
bool SaveWindowScreenshot(HWND window, const wchar_t* path);
