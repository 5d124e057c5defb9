#include "plugin/module_lifetime.h"

#include "input/hook_installation.h"
#include "input/middle_pan.h"
#include "input/session_state.h"
#include "plugin/status_bar_library.h"
#include "ui/session_windows.h"

void OnModuleLoad(HINSTANCE module)
{
    SessionState.ModuleInstance = module;
    // Null when the library is missing; every use checks, nothing is reported.
    SessionState.StatusBarModule = LoadStatusBarLibrary(module);
}

void OnModuleUnload(bool processEnding)
{
    // The process is ending: its other threads are gone and the system cleans
    // up, so no window is touched and no library freed.
    if (processEnding)
        return;
    EndMiddleButtonUse();
    CloseSessionWindows();
    RemoveMessageHook();
    if (SessionState.StatusBarModule != nullptr)
        FreeLibrary(SessionState.StatusBarModule);
}
