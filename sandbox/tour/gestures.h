#pragma once

// The user's side of the tour: gestures at points of the host's windows, each
// played with injected input and followed by the host's loop until its effects
// have settled.

#include <windows.h>

#include <initializer_list>

#include "sandbox/host_session.h"
#include "sandbox/views/world_math.h"

// One notch of the wheel; positive away from the user.
constexpr int WheelNotch = 120;

// Runs the host's loop until it has had nothing to do for a while: the input,
// the repaints it causes and the camera reports the host posts are all done.
void Settle(DWORD quietMilliseconds = 60, DWORD limitMilliseconds = 3000);

// A screen point of a pane's drawing area, at fractions of its width and height.
POINT InPane(const HostSession& session, int paneType, double across, double down);

// The screen point where a world point shows in an orthographic pane.
POINT WorldInPane(const HostSession& session, int paneType, const Point3& point);

// Brings the host to the front with a click on its caption, unless it is there.
void ActivateHost(const HostSession& session);

// A key pressed and released.
void PressKey(BYTE key);

// Wheel notches with the pointer at `at` and `modifier` (a virtual key, or 0)
// held throughout.
void WheelAt(const HostSession& session, POINT at, int delta, int notches, BYTE modifier = 0);

// Parts of a notch one after another with the pointer at `at`, as a precision
// touchpad or a free-spinning wheel sends them, each taken in before the next.
void WheelPartsAt(const HostSession& session, POINT at, std::initializer_list<int> deltas);

// Wheel notches toward the user while a mouse button is held (MOUSEEVENTF_ flags).
void WheelWithButton(const HostSession& session, POINT at, DWORD down, DWORD up, int notches);

// A drag by (dx, dy) with a mouse button, in a few moves, each left to take
// effect before the next.
void Drag(POINT from, int dx, int dy, DWORD down, DWORD up);

// Two quick middle clicks at `at`, with `modifier` (or 0) held.
void MiddleDoubleClick(const HostSession& session, POINT at, BYTE modifier);

// Holds the middle button at `from` until the host's own pan has begun, moves
// by (dx, dy) and lets go.
void MiddleButtonPan(const HostSession& session, POINT from, int dx, int dy);

// Presses the middle button at `from` and moves by (dx, dy) at once, as a
// user drags, then lets go.
void MiddleDragAtOnce(const HostSession& session, POINT from, int dx, int dy);

// A middle drag by (dx, dy) from `from` with a key pressed and released
// while the button is held and again after it is let go.
void MiddleDragPressingKey(const HostSession& session, POINT from, int dx, int dy, BYTE key);

// A click on a control of a dialog (the control window, the configuration dialog).
void ClickDialogItem(HWND dialog, int id);
