#pragma once

// The DPI of the display a window is on, and the system's metrics at a DPI,
// as the windows and the hook both need them.

#include <windows.h>

// The window's own DPI where the system answers per window (GetDpiForWindow),
// otherwise the screen's.
int WindowDpi(HWND window);

// A system metric at `dpi` (GetSystemMetricsForDpi) where the system answers
// per DPI, otherwise at the system's own: GetSystemMetrics answers for the
// DPI the system started with, not for a window's display.
int SystemMetricAtDpi(int index, int dpi);
