#pragma once

// The switch between ModelingMode and CameraMode. Entering a mode sets Mode,
// the mode button's icon, the control window's width (keeping its place) and
// the status pane's text and icon, after releasing the simulated input of a
// middle-button pan in progress and stopping a pending double-click timer.
// The hook reads Mode at every message, so the next message is handled in the
// new mode; the camera and the latches are left alone.

void EnterModelingMode();
void EnterCameraMode();

// Enters the mode that is not the current one.
void ToggleMode();
