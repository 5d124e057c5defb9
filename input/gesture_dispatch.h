#pragma once

// The operations the message hook dispatches to, each chosen by the setting
// that belongs to the gesture. Every value outside a setting's set acts as the
// last operation of the set, except for the drags: there it pans the camera,
// as it did before the orbit about the selection joined the set.

#include <cstdint>

// CameraMode drag with dx, dy already scaled for Ctrl and Shift: Option1,
// Option2 or Option3 by the first held button among left, right, middle (the
// caller has checked one). The orbits go OrbitSpeed times as far, the pan
// PanSpeed times, and with FollowDisplayScale a pixel of the figure window's
// display counts as a pixel at 96 dpi.
void RunDragOperation(uint16_t keys, float dx, float dy);

// A CameraMode press of `button` was taken: a drag of that button that orbits
// about the selection finds its pivot now.
void PrepareDragOperation(uint16_t button);

// CameraMode wheel: Option5, Option6, Option7 by left, right, middle, else Option4.
void RunWheelOperation(int16_t delta, uint16_t keys);

// The settings field that chooses what a wheel message does: the CameraMode
// wheel's by the buttons held, the zoom centre's by Ctrl and Shift. A wheel
// turned under another field is another operation.
const int32_t& CameraWheelSetting(uint16_t keys);
const int32_t& ZoomCentreSetting(uint16_t keys);

// ModelingMode wheel: zoom about the centre chosen by Option9 (Ctrl), Option10
// (Shift) or Option8, in the direction TowardZoomsIn gives delta's turn.
void RunWheelZoom(int16_t delta, uint16_t keys);

// The middle double click: Option12 (Ctrl), Option13 (Shift) or Option11.
void RunDoubleClickCommand(uint16_t keys);
