#pragma once

// The switch between ModelingMode and CameraMode. Entering a mode sets Mode,
// the mode button's icon, the control window's width (keeping its place) and
// the status pane's text and icon, after ending the gestures in progress.
// The hook reads Mode at every message, so the next message is handled in the
// new mode; the camera and the latches are left alone.

void EnterModelingMode();
void EnterCameraMode();

// Enters the mode that is not the current one.
void ToggleMode();

// Everything a gesture started, ended: the middle-button pan lets go of what
// it pressed, a first middle click waits no more, a camera drag lets go of the
// mouse. At a mode switch and at the end of the attachment.
void EndGestures();
