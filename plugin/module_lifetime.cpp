#include "plugin/module_lifetime.h"

#include "state/session_state.h"

void OnModuleLoad(HINSTANCE module)
{
    SessionState.ModuleInstance = module;
}
