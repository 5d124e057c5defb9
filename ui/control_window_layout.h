#pragma once

// The control window's size in each mode: the client area is 44 x 32 pixels in
// ModelingMode (strip and mode button) and 250 x 32 in CameraMode (the camera
// buttons and read-outs as well), inside the dialog frame. These are the
// pixels at 96 dpi: the window lays itself out at its display's DPI and keeps
// that DPI in SessionState.ControlDpi, and every size is scaled to it.

#include <windows.h>

#include "state/session_state.h"
#include "ui/display_scale.h"

constexpr int ModelingClientWidth = 44;
constexpr int CameraClientWidth = 250;
constexpr int ControlClientHeight = 32;

// Pixels at 96 dpi at the DPI the control window is laid out at; unchanged
// until the window is first laid out.
inline int ControlPixels(int pixels)
{
    return SessionState.ControlDpi == 0 ? pixels : ScaledPixels(pixels, SessionState.ControlDpi);
}

// The dialog frame's metric at the DPI the window is laid out at, as the
// system draws the frame of a window on that display.
inline int ControlFrame(int index)
{
    return SessionState.ControlDpi == 0 ? GetSystemMetrics(index) : SystemMetricAtDpi(index, SessionState.ControlDpi);
}

inline int ControlWindowWidth(int clientWidth)
{
    return ControlPixels(clientWidth) + 2 * ControlFrame(SM_CXDLGFRAME);
}

inline int ControlWindowHeight()
{
    return ControlPixels(ControlClientHeight) + 2 * ControlFrame(SM_CYDLGFRAME);
}

// The buttons' pixel places, the texts right of them and the pictures at
// `dpi`, which the window keeps as its layout DPI.
void LayOutControlWindow(HWND window, int dpi);
