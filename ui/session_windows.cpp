#include "ui/session_windows.h"

#include <windows.h>

#include <vector>

#include "input/session_state.h"
#include "ui/config_dialog.h"
#include "ui/control_window.h"

namespace {

bool IsDialog(HWND window)
{
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

// Only dialogs of this module's two procedures count; every other window of
// the thread belongs to the host.
bool IsPluginWindow(HWND window)
{
    if (!IsDialog(window))
        return false;
    const auto procedure = GetWindowLongPtrA(window, DWLP_DLGPROC);
    return procedure == reinterpret_cast<LONG_PTR>(ControlWndProc) ||
           procedure == reinterpret_cast<LONG_PTR>(ConfigDialogProc);
}

// Nothing may leave through the system's enumeration; without memory for the
// list the enumeration stops with what it has.
BOOL CALLBACK CollectPluginWindow(HWND window, LPARAM found) noexcept
{
    if (!IsPluginWindow(window))
        return TRUE;
    try {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

void CloseSessionWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectPluginWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ControlWndSubclassProc)) {
            SaveControlWndPlace(window);
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SessionState.PrevControlProc));
        }
        DestroyWindow(window);
    }
}
