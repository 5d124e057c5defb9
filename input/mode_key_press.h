#pragma once

// The keys of the host's thread: the mode key's press switches the mode and
// reaches the host, its release is blanked; the keys of an open configuration
// dialog, which the host's loop knows nothing of, go through the dialog's own
// handling.

#include <windows.h>

#include "input/hook_message.h"

// Every key message but the mode key's leaves after one comparison.
inline bool IsModeKeyNumber(WPARAM key, WPARAM modeKey)
{
    return modeKey != 0 && key == modeKey;
}

// A key message; `removed` is the delivery that takes it from the queue.
Ending OnKey(MSG& message, bool removed);
