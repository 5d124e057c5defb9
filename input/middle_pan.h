#pragma once

// The middle-button pan, simulated as the host's own space-plus-left-drag,
// and the double-click timer that decides when it begins. The plug-in keeps
// track of what it has pressed (SessionState.PanPressed) and releases exactly
// that, once: a simulated key left down would act as if the user held it, in
// the host and in every other program. The left button the host pans with is
// the primary one, the physical right button for a left-handed user.
// x and y are the message's own coordinates; the simulated button presses
// carry no movement, so they are passed on as they are. The host's pan begins
// where the middle button went down, not where the pan was begun: its
// simulated press is placed there when it comes through the hook, and a move
// to the pointer follows it, so that the drawing stays under the hand from the
// first movement without the pointer being moved.

#include <windows.h>

#include "input/hook_message.h"

// The look at the physical middle button during a pan, a timer on the figure
// window well away from the small numbers the host's own timers take.
constexpr UINT_PTR PanPollTimerId = 0x5A56;

// The keyboard to the figure window, so that the simulated space reaches no
// other window of the host; space down, the pan cursor in place of the current
// one, the primary button down, and the poll of the middle button started; the
// double-click timer is stopped. Nothing else when a pan is already in
// progress: the user's cursor stays saved.
void BeginMiddlePan(int x, int y);

// Whether the message the hook is given is the pan's simulated press or
// release, wherever it landed; the user's own input never is.
bool IsPanInput();

// The pan's own press or release: on the figure window the host's, whatever
// the pane under the pointer by now, the press placed where the middle button
// went down (the delivery that removes it ends the wait and posts the move
// from there to where the press was); on any other window blanked. The
// release's removal frees the mouse the pan held.
Ending OnPanInput(MSG& message, bool removed);

// When a pan is in progress: the button it pressed up, space up, the saved
// cursor back, the poll stopped and the sibling plug-in's window
// "Z_Tarnhollow" told that the pan ended; a press of the pan's neither come
// nor queued is forgotten. Returns whether a pan was in progress.
bool ReleaseMiddlePan(int x, int y);

// The acting release of the middle button: ReleaseMiddlePan, and the sibling
// told even when no pan was in progress.
void EndMiddlePan(int x, int y);

// At the poll: the pan ends when the middle button is up, wherever it was let
// go, also over a window whose messages the hook never sees, unless a button
// message still waits in the thread's queue.
void PollMiddlePan();

// Whether a mouse button's message waits in the thread's queue.
bool ButtonMessageQueued();
