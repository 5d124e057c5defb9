#pragma once

#include <windows.h>

// Process attach: records the module and loads the status-bar library, whose
// absence is not an error.
void OnModuleLoad(HINSTANCE module);

// Process detach. When the library is freed while the process goes on, a
// middle-button pan lets go of what it pressed, the double-click timer is
// stopped, the plug-in's windows of the calling thread are closed, the hook is
// removed and the status-bar library is freed; when the process is ending,
// nothing is done.
void OnModuleUnload(bool processEnding);
