#pragma once

// The left and right buttons over the figure window, and every camera drag:
// a press the camera takes keeps the camera for undo and holds the mouse
// (input/drag_capture.h); each move with its button runs the drag's operation,
// chosen by Option1, Option2 or Option3 for the first held of left, right and
// middle, Ctrl's 2 and Shift's ½ and the speeds applied; the release ends it.
// A press outside the camera's pane is the host's, and so is its release.

#include <windows.h>

#include <cstdint>

#include "input/hook_message.h"

// WM_LBUTTONDOWN, WM_RBUTTONDOWN and their double clicks; `removed` is the
// delivery that takes the message from the queue.
Ending OnLeftOrRightDown(MSG& message, bool removed);

// WM_LBUTTONUP and WM_RBUTTONUP.
Ending OnLeftOrRightUp(MSG& message, bool removed);

// A press of `button` the camera takes: the camera kept for undo, the pivot
// of an orbit about the selection looked for, the mouse held.
void TakeCameraPress(uint32_t button, uint16_t keys);

// A CameraMode move over the figure window with a button held, from the
// pointer's last position (lastX, lastY).
Ending OnCameraMove(const MSG& message, int lastX, int lastY);
