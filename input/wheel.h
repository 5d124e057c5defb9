#pragma once

// The wheel over the figure window, whichever window of the thread has the
// keyboard: in the camera's pane a step of the camera, chosen by Option5,
// Option6, Option7 for the left, right or middle button held, else Option4;
// elsewhere ModelingMode's zoom about the centre Option9 (Ctrl), Option10
// (Shift) or Option8 chooses. Parts of a notch add up to one step per notch.

#include <windows.h>

#include "input/hook_message.h"

// WM_MOUSEWHEEL; `removed` is the delivery that takes it from the queue.
Ending OnWheel(const MSG& message, bool removed);
