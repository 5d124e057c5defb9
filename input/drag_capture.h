#pragma once

// A camera drag holds the mouse, as the host's own drags do: the figure window
// captures it at the press the hook takes, so that the drag follows the hand
// outside the window and ends at the release wherever that is. The plug-in
// releases only a capture it took, and takes none while a window of the host
// holds the mouse; the middle-button pan holds it the same way.

#include <windows.h>

#include <cstdint>

// A camera press of `button` (MK_LBUTTON, MK_RBUTTON, MK_MBUTTON) was taken;
// `keys` are the message's key-state flags.
void BeginCameraDrag(uint32_t button, uint16_t keys);

// A left or right press over any window of the thread: a drag that held
// `button` lost its release where the hook did not see it, and holds it no
// more, so that the release of this press goes where the press went. (Every
// middle release over the figure window is the plug-in's in any case.)
void CameraDragButtonPressed(uint32_t button);

// The release of `button`: true when the hook took its press, and the release
// is then the plug-in's too. The drag lets go of the button only at the
// delivery that removes the message, so that a peeked delivery and the removed
// one end alike; the capture goes with the last button.
bool EndCameraDragButton(uint32_t button, uint16_t keys, bool removed);

// The drag ends before its buttons are up (a mode switch, the end of the
// attachment): the capture is let go, and the moves of the buttons still
// held act no more.
void CancelCameraDrag();

// Whether a CameraMode move with these key-state flags belongs to a drag that
// was cancelled. The drag's buttons the move does not hold were let go unseen:
// their releases are no longer the drag's, and with none held it is over.
bool MoveOfCancelledDrag(uint16_t keys);

// The figure window takes the mouse for a gesture when no window holds it;
// `held` records that it did.
void HoldMouseForFigure(int32_t& held);

// Lets go of the mouse a gesture's `held` records, unless another window has
// taken it meanwhile.
void LetGoOfFigureMouse(int32_t& held);

// Watches the figure window for another window taking the mouse from it
// (WM_CAPTURECHANGED, WM_CANCELMODE), which ends the drag as a cancel does.
void WatchFigureCapture(HWND figure);

// Another window took the mouse from the figure window, or its mode was
// cancelled: a drag holding it ends.
void FigureCaptureLost();
