#include <windows.h>

#include "plugin/module_lifetime.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        OnModuleLoad(module);
    return TRUE;
}
