#pragma once

// The two remembered camera states of SessionState: the undo slot, taken at
// every button press the hook handles in camera mode, and the memory slot, taken
// on the user's request. Each operation obtains scene and camera from
// SessionState.App and does nothing while App is null.

// Copies eye, target, zoom and bank into UndoCamera and enables the control
// window's undo button (1007). No repaint: the camera is unchanged.
void SaveUndoSnapshot();

// Writes UndoCamera back to the camera and repaints the figure window. The slot
// and its button stay as they are, so a second call writes the same state again.
// Does nothing while the slot has never been filled.
void UndoCameraDrag();

// Copies eye, target, zoom and bank into MemoryCamera and enables the control
// window's restore button (1009). No repaint.
void StoreCamera();

// Writes MemoryCamera back to the camera and repaints the figure window; may be
// repeated. Does nothing while the slot has never been filled.
void RestoreCamera();
