#pragma once

// The middle button over the figure window. Outside the pane the camera takes,
// a press waits the double-click time for a second one: two make the double
// click's command; a press held that long, or moved out of the double-click
// rectangle, pans (input/middle_pan.h). In the camera's pane it is a drag.

#include <windows.h>

#include <cstdint>

#include "input/hook_message.h"
#include "input/middle_pan.h"

// The plug-in's wait for a second middle click, a timer on the figure window
// well away from the small numbers the host's own timers take.
constexpr UINT_PTR DoubleClickTimerId = 0x5A55;

// WM_MBUTTONDOWN and WM_MBUTTONDBLCLK.
Ending OnMiddleDown(const MSG& message);

// WM_MBUTTONUP; `removed` is the delivery that takes it from the queue.
Ending OnMiddleUp(const MSG& message, bool removed);

// The figure window's timers: the double-click wait's and the pan's poll.
Ending OnFigureTimer(const MSG& message);

// Whether a move over the figure window is the middle button's: every move in
// ModelingMode, and in CameraMode the moves of a press still waiting for its
// second click, which was taken as ModelingMode's.
bool IsMiddleButtonMove(const MSG& message);

// A move that IsMiddleButtonMove gave to the middle button.
Ending OnMiddleMove(const MSG& message);

// Kills the pending double-click timer, if any.
void StopDoubleClickTimer();
