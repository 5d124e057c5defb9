#pragma once

// What a window shows, read back from its own device context (whatever lies
// over it on the screen) for tests, and saved as PNG pictures.

#include <windows.h>

#include <string>

// Saves what `window` shows, frame and child windows included, as
// build/screenshots/<name>.png; returns the file's path, empty on failure.
std::string SaveWindowScreenshot(HWND window, const char* name);

// The colour the window shows at a point of its client area.
COLORREF ClientPixel(HWND window, int x, int y);
