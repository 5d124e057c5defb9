#include "sandbox/host_session.h"

#include "sandbox/host_message_loop.h"
#include "sandbox/plugin_loader.h"
#include "sandbox/views/host_views.h"

namespace {

void* Component = nullptr;

void TellComponentOfCameraChange()
{
    int flag = 0;
    if (Component != nullptr)
        sandbox_component_camera_changed(Component, sandbox_host_scene(), &flag);
}

void OpenConfiguration()
{
    if (Component != nullptr)
        sandbox_component_open_configuration(Component);
}

// The stand-in status-bar library, which the plug-in loads at its attachment,
// is told which status bar is the host's; a real library finds it itself.
void LendStatusBar(HWND statusBar)
{
    HMODULE library = GetModuleHandleA("Z_Brannoc10.dll");
    if (library == nullptr)
        return;
    using Attach = void (*)(HWND);
    if (auto attach = reinterpret_cast<Attach>(
            reinterpret_cast<void*>(GetProcAddress(library, "SandboxStatusBarAttach"))))
        attach(statusBar);
}

}  // namespace

HostSession StartHostSession(const SandboxExports* exports, void* component, POINT origin, SIZE size,
                             bool doubleClicks)
{
    HostSession session;
    session.component = component;
    Component = component;
    session.windows = CreateHostWindows(GetModuleHandleA(nullptr), size.cx, size.cy, doubleClicks);
    SetWindowPos(session.windows.main, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SandboxHostState* state = sandbox_host_state();
    state->mainWindow = session.windows.main;
    SetCameraChangedHandler(TellComponentOfCameraChange);

    int flag = 0;
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    LendStatusBar(session.windows.statusBar);
    AddPluginMenuEntry(sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()), OpenConfiguration);
    // The menu bar has taken its room, so the views fit the panes' final size.
    PumpPendingMessages();
    InstallHostViews(session.windows.figure);
    // As after loading a scene, the host reports its camera once.
    TellComponentOfCameraChange();
    PumpPendingMessages();
    return session;
}

void EndHostSession(HostSession& session)
{
    if (IsWindow(session.windows.main))
        DestroyWindow(session.windows.main);
    if (IsWindow(session.windows.tarnhollow))
        DestroyWindow(session.windows.tarnhollow);
    PumpPendingMessages();
    SetCameraChangedHandler(nullptr);
    Component = nullptr;
}
