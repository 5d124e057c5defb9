#include "plugin/module_lifetime.h"

#include "input/hook_installation.h"
#include "input/middle_pan.h"
#include "input/session_state.h"
#include "plugin/status_bar_library.h"

void OnModuleLoad(HINSTANCE module)
{
    SessionState.ModuleInstance = module;
    // Null when the library is missing; every use checks, nothing is reported.
    SessionState.StatusBarModule = LoadLibraryA(StatusBarLibraryName);
}

void OnModuleUnload()
{
    EndMiddleButtonUse();
    RemoveMessageHook();
    if (SessionState.StatusBarModule != nullptr)
        FreeLibrary(SessionState.StatusBarModule);
}
