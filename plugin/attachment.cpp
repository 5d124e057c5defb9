#include "plugin/attachment.h"

#include <windows.h>

#include "host/host.h"
#include "host/host_language.h"
#include "host/status_bar_library.h"
#include "input/drag_capture.h"
#include "input/hook_installation.h"
#include "input/mode_switch.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "state/settings_registry.h"
#include "ui/control_window.h"
#include "ui/status_pane.h"
#include "ui/window_actions.h"

namespace {

// Cursor resource of the host's own module, shown during a middle-button pan.
constexpr int HostPanCursorId = 104;

HCURSOR LoadHostPanCursor(HWND mainWindow)
{
    const auto hostModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mainWindow, GWLP_HINSTANCE));
    return LoadCursorA(hostModule, MAKEINTRESOURCEA(HostPanCursorId));
}

// Keeps this module loaded until the process ends, so that a host that frees
// the plug-in while its hook, windows, pane or timer can still call into it
// frees nothing. False when the system refused; nothing may then be handed out
// that calls back.
bool KeepModuleLoaded()
{
    HMODULE pinned = nullptr;
    return GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                              reinterpret_cast<LPCWSTR>(&KeepModuleLoaded), &pinned) != FALSE;
}

}  // namespace

void AttachToHost(HostAttachContext& context)
{
    SessionState.MainWindow = HostMainWindow(context);
    if (SessionState.App != nullptr)
        HostAttachCall(*SessionState.App);
    SessionState.Language = AskHostLanguage(SessionState.App);
    // From here on the host's windows, the status bar, the hook and the timer
    // call into this module.
    if (!KeepModuleLoaded())
        return;
    SessionState.StatusBarModule = LoadStatusBarLibrary(SessionState.ModuleInstance);
    SessionState.FigureWindow = GetWindow(SessionState.MainWindow, GW_CHILD);
    SessionState.PanCursor = LoadHostPanCursor(SessionState.MainWindow);
    HandOverWindowActions({ToggleMode, EndGestures});
    if (SessionState.ControlWindow == nullptr)
        SessionState.ControlWindow = CreateControlWindow();
    RegisterStatusPane();
    LoadSettings();
    if (PluginSettings.StartCameraMode != 0)
        EnterCameraMode();
    else
        EnterModelingMode();
    if (PluginSettings.ShowControlWnd != 0)
        ShowControlWindow(true);
    WatchFigureCapture(SessionState.FigureWindow);
    InstallMessageHook(SessionState.FigureWindow);
}
