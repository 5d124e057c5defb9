#include <windows.h>

#include "plugin/module_lifetime.h"

// A non-null `reserved` at detach means that the process is ending.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
        OnModuleLoad(module);
    else if (reason == DLL_PROCESS_DETACH)
        OnModuleUnload(reserved != nullptr);
    return TRUE;
}
