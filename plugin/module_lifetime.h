#pragma once

#include <windows.h>

// The entry point runs under the loader's lock, where window, registry and
// library work can deadlock the host: process attach only records the module,
// and nothing is undone at detach. Before the first attachment there is
// nothing to undo; from it on the module stays loaded until the process ends.
void OnModuleLoad(HINSTANCE module);

// Keeps this module loaded until the process ends, so that a host that frees
// the plug-in while its hook, windows, pane or timer can still call into it
// frees nothing. False when the system refused; nothing may then be handed out
// that calls back.
bool KeepModuleLoaded();
