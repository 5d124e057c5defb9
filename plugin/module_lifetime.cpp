#include "plugin/module_lifetime.h"

#include "input/session_state.h"

void OnModuleLoad(HINSTANCE module)
{
    SessionState.ModuleInstance = module;
}

bool KeepModuleLoaded()
{
    HMODULE pinned = nullptr;
    return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCWSTR>(&KeepModuleLoaded), &pinned) != FALSE;
}
