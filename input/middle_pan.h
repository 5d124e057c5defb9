#pragma once

// The middle-button pan, simulated as the host's own space-plus-left-drag.
// x and y are the message's own coordinates; the simulated button presses
// carry no movement, so they are passed on as they are.

// Space down, the pan cursor in place of the current one, left button down.
void BeginMiddlePan(int x, int y);

// Left button up, space up, the saved cursor back, and the sibling plug-in's
// window "Z_Tarnhollow" told that a pan ended.
void EndMiddlePan(int x, int y);
