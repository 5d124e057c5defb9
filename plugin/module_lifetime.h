#pragma once

#include <windows.h>

// Process attach: records the module and loads the status-bar library, whose
// absence is not an error.
void OnModuleLoad(HINSTANCE module);

// Process detach: ends a middle-button pan and its timer, removes the hook,
// then frees the status-bar library.
void OnModuleUnload();
