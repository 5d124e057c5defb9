#pragma once

// The middle-button pan, simulated as the host's own space-plus-left-drag,
// and the double-click timer that decides when it begins. The plug-in keeps
// track of what it has pressed (SessionState.PanPressed) and releases exactly
// that, once: a simulated key left down would act as if the user held it, in
// the host and in every other program.
// x and y are the message's own coordinates; the simulated button presses
// carry no movement, so they are passed on as they are.

// Space down, the pan cursor in place of the current one, left button down.
// Nothing when a pan is already in progress: the user's cursor stays saved.
void BeginMiddlePan(int x, int y);

// Left button up, space up and the saved cursor back, when a pan is in
// progress; nothing otherwise.
void ReleaseMiddlePan(int x, int y);

// ReleaseMiddlePan, then the sibling plug-in's window "Z_Tarnhollow" told
// that a pan ended.
void EndMiddlePan(int x, int y);

// Whether the pointer at the figure window's client point (x, y) has left the
// rectangle around the waiting first click within which the system counts a
// second click as a double click.
bool OutsideDoubleClickRectangle(int x, int y);

// Kills the pending double-click timer, if any.
void StopDoubleClickTimer();

// Everything the middle button started, ended: the timer and the pan. For the
// end of the attachment.
void EndMiddleButtonUse();
