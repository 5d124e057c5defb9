#pragma once

// What the user does through the plug-in's windows that the floors above the
// windows carry out: switching the mode, and ending the gestures in progress
// when the windows end with the host. The attachment hands them over as it
// makes the windows; until then they do nothing.

struct WindowActions {
    void (*toggleMode)();
    void (*endGestures)();
};

void HandOverWindowActions(const WindowActions& actions);

const WindowActions& HandedWindowActions();
