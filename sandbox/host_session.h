#pragma once

// The sandbox host running with the plug-in attached, as the host runs it:
// its windows with the scene in the figure window, the status bar lent to the
// status-bar library, the component attached, its menu entry under
// "Plug-ins", and every camera change reported to the component.

#include <windows.h>

#include "sandbox/host_bridge.h"
#include "sandbox/host_windows.h"

struct HostSession {
    HostWindows windows;
    void* component = nullptr;
};

// Starts the session for a component created through the plug-in's exports.
// The main window is placed at `origin` with the given size; with
// `doubleClicks` the figure window's class asks for double clicks.
HostSession StartHostSession(const SandboxExports* exports, void* component, POINT origin, SIZE size,
                             bool doubleClicks = false);

// Closes the host's windows (and with the main window every window it owns)
// and lets their last messages run; the component stays alive.
void EndHostSession(HostSession& session);
