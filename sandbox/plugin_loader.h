#pragma once

// Loads the plug-in as the host does and looks up its discovery exports.

#include <windows.h>

#include "sandbox/host_bridge.h"

struct LoadedPlugin {
    HMODULE module = nullptr;
    SandboxExports exports{};
    bool complete = false;  // all seven exports found
};

LoadedPlugin LoadPlugin(const char* path);

// The host's id of the plug-in component interface, in memory order.
extern const unsigned char HostPluginInterfaceId[16];
