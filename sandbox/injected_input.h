#pragma once

// Input as the user's mouse and keyboard give it: injected with SendInput at
// real screen points, queued by the system and delivered to whichever window
// is under the pointer or has the focus.

#include <windows.h>

// Moves the pointer to a screen point.
void MovePointerTo(POINT screen);

// Moves the pointer to a screen point and sends a button press and release
// there (MOUSEEVENTF_ flags; by default the left button).
void ClickAt(POINT screen, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);

// A button press or release where the pointer is (MOUSEEVENTF_ flags).
void SendButton(DWORD flag);

// A button press or release at a screen point, the pointer moving there with
// it. Under Wine a move injected just before a plain release can be undone by
// the X pointer's late echo of an earlier move; a release that carries its own
// point lands where it was meant to.
void SendButtonAt(POINT screen, DWORD flag);

// Under Wine, every pointer move injected while the pointer is free is warped
// on the X display inside a pointer grab of its own; letting that grab go
// enters the window under the pointer again, and Wine then takes the state of
// every key from the X server, where a key pressed by injected input, such as
// the space of the plug-in's pan, is up. Kept inside a cursor clip, which Wine
// holds as one grab for as long as it lasts, the pointer moves as a hand moves
// it, and no key is let go by a move. Clips the pointer to the whole screen but
// its last column, or frees it.
void KeepPointerClipped(bool clipped);

// One wheel message's worth of turning: positive away from the user.
void TurnWheel(int delta);

// A key press or release by virtual-key code.
void SendKey(BYTE virtualKey, bool release);

// When the next pop-up menu shows, clicks its entry at position `item`. The
// click is made from a timer inside the menu's own loop, which keeps the
// caller's code from running until the menu closes; a menu that has not shown
// within three seconds is ended, so a miss cannot hang the caller.
void PickFromNextMenu(int item);

// The middle of a rectangle.
POINT Centre(const RECT& rect);
