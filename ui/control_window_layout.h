#pragma once

// The control window's size in each mode: the client area is 44 x 32 pixels in
// ModelingMode (strip and mode button) and 250 x 32 in CameraMode (the camera
// buttons and read-outs as well), inside the dialog frame.

#include <windows.h>

constexpr int ModelingClientWidth = 44;
constexpr int CameraClientWidth = 250;
constexpr int ControlClientHeight = 32;

inline int ControlWindowWidth(int clientWidth)
{
    return clientWidth + 2 * GetSystemMetrics(SM_CXDLGFRAME);
}

inline int ControlWindowHeight()
{
    return ControlClientHeight + 2 * GetSystemMetrics(SM_CYDLGFRAME);
}
