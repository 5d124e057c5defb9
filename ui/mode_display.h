#pragma once

// What shows the mode: the mode button's icon and tooltip, the control
// window's width, and the status pane's text and icon.

#include <cstdint>

// Shows `mode` (ModelingMode or CameraMode) wherever the plug-in shows it; the
// control window keeps its place, and the host its activation and keyboard.
void ShowMode(int32_t mode);
