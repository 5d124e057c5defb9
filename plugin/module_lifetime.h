#pragma once

#include <windows.h>

// The entry point runs under the loader's lock, where window, registry and
// library work can deadlock the host: process attach only records the module,
// and nothing is undone at detach. Before the first attachment there is
// nothing to undo; from it on the module stays loaded until the process ends
// (the attachment pins it).
void OnModuleLoad(HINSTANCE module);
