#pragma once

// The DPI of the display a window is on, and sizes given for 96 dpi scaled to
// it as Windows scales them.

#include <windows.h>

// The window's own DPI where the system answers per window (GetDpiForWindow),
// otherwise the screen's.
int WindowDpi(HWND window);

// A system metric at `dpi` (GetSystemMetricsForDpi) where the system answers
// per DPI, otherwise at the system's own: GetSystemMetrics answers for the
// DPI the system started with, not for a window's display.
int SystemMetricAtDpi(int index, int dpi);

// Pixels at 96 dpi at `dpi`, rounded as Windows rounds (MulDiv).
inline int ScaledPixels(int pixels, int dpi)
{
    return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI);
}

// A new copy of the plug-in's icon at `size` x `size`, from the image of that
// size where the icon has one; the caller destroys it.
HICON LoadPluginIcon(int id, int size);
