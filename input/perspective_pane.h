#pragma once

// Where the camera's gestures act: in CameraMode, over the whole figure window,
// or with the perspective-only setting over its perspective pane alone.

#include "state/session_state.h"

// Whether the system pointer is inside the figure window's perspective pane at
// this moment: the first of the four panes that contains it decides. Nothing
// is cached; the host is asked again at every call. 0 without a host.
int CursorInPerspectivePane();

inline bool InCameraMode()
{
    return SessionState.Mode == CameraMode;
}

// CameraMode, with the pointer where the camera acts. Both conditions ask the
// host anew at every evaluation, and only as far as the short cut lets them.
bool CameraCondition();

// CameraCondition, and with the perspective-only setting the press of the
// gesture was over the perspective pane too.
bool DragCondition();
