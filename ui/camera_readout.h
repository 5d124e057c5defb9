#pragma once

// The camera's zoom and bank, shown whenever the host reports a camera change:
// in the control window's read-outs in either mode, in the status pane in
// CameraMode.

class HostScene;

// Prints the value with "%f" into the ZOOM (1005) or BANK (1006) read-out of
// the control window; nothing while there is no control window.
void SetZoomReadout(float zoom);
void SetBankReadout(float bank);

// Hands the status pane the camera-mode text with zoom and bank.
void SetCameraStatusText(float zoom, float bank);

// Reads zoom and bank from the camera of the host's scene and shows them in
// the read-outs and, in CameraMode, in the pane. The camera is released on
// every path; a host failure propagates as HostCallFailed.
void ShowCameraValues(HostScene& scene);
