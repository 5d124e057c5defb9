#pragma once

#include <windows.h>

#include "state/session_state.h"

// The host invalidates its figure window after each camera setter; drawing it
// at once shows every step of a drag or wheel turn before the next message.
inline void RepaintFigureWindow()
{
    UpdateWindow(SessionState.FigureWindow);
}
