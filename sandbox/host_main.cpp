// The sandbox host: loads the plug-in as the real host does, reports what it
// learned through the discovery exports and attaches the component to its
// windows. With --run it stays open, telling the component of every camera
// change, until its main window is closed.

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_windows.h"
#include "sandbox/plugin_loader.h"

namespace {

void PrintBytes(const char* label, const unsigned char* bytes)
{
    std::printf("%s", label);
    for (int i = 0; i < 16; ++i)
        std::printf(" %02X", bytes[i]);
    std::printf("\n");
}

// The plug-in's texts are code page 932; the console shows UTF-8.
void PrintText(const char* label, const char* text)
{
    wchar_t wide[512];
    char utf8[1024];
    if (text == nullptr) {
        std::printf("%s (null)\n", label);
        return;
    }
    MultiByteToWideChar(932, 0, text, -1, wide, 512);
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s %s\n", label, utf8);
}

void* Component = nullptr;

void TellComponentOfCameraChange()
{
    int flag = 0;
    sandbox_component_camera_changed(Component, sandbox_host_scene(), &flag);
}

void OpenConfiguration()
{
    sandbox_component_open_configuration(Component);
}

void PostCameraChanged(void* mainWindow)
{
    PostMessageA(static_cast<HWND>(mainWindow), HostCameraChangedMessage, 0, 0);
}

// The host's windows, its status bar lent to the status-bar library, and the
// component attached to them with its menu entry, named as a Japanese host
// names it; then one camera report, as after loading a scene.
void AttachToWindows(const SandboxExports* exports, bool run)
{
    const HostWindows windows = CreateHostWindows(GetModuleHandleA(nullptr), 900, 640);
    SandboxHostState* state = sandbox_host_state();
    state->mainWindow = windows.main;
    if (HMODULE statusBarLibrary = GetModuleHandleA("Z_Brannoc10.dll")) {
        using Attach = void (*)(HWND);
        if (auto attach = reinterpret_cast<Attach>(
                reinterpret_cast<void*>(GetProcAddress(statusBarLibrary, "SandboxStatusBarAttach"))))
            attach(windows.statusBar);
    }
    int flag = 0;
    sandbox_component_attach(Component, sandbox_host_attach_context(), &flag);
    std::printf("attach: done\n");
    state->japanese = 1;
    AddPluginMenuEntry(sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()), OpenConfiguration);
    TellComponentOfCameraChange();
    if (run) {
        SetCameraChangedHandler(TellComponentOfCameraChange);
        state->onSceneChanged = PostCameraChanged;
        state->onSceneChangedContext = windows.main;
        RunHostMessageLoop();
        state->onSceneChanged = nullptr;
    } else {
        DestroyWindow(windows.main);
        DestroyWindow(windows.tarnhollow);
        PumpPendingMessages();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const bool run = argc > 1 && std::strcmp(argv[1], "--run") == 0;
    sandbox_host_reset();
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    if (!plugin.complete) {
        std::printf("Z_Vormelt10.dll could not be loaded with its seven exports\n");
        return 1;
    }
    const SandboxExports* exports = &plugin.exports;
    std::printf("has_interface: %d\n", sandbox_has_interface(exports, HostPluginInterfaceId));
    sandbox_host_state()->japanese = 1;
    PrintText("menu name (Japanese host):", sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()));
    sandbox_host_state()->japanese = 0;
    PrintText("menu name (other host):", sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()));
    unsigned char uuid[16];
    sandbox_get_uuid(exports, HostPluginInterfaceId, 0, uuid);
    PrintBytes("component uuid:", uuid);
    std::printf("is_resident: %d\n", sandbox_is_resident(exports, HostPluginInterfaceId, 0));
    SandboxInfoRecord info{};
    sandbox_get_info(exports, &info);
    std::printf("info record: %d %d %d %d %d\n", info.version, info.kind, info.reserved[0], info.reserved[1],
                info.reserved[2]);
    PrintText("  name:", info.name);
    PrintText("  maker:", info.maker);
    PrintText("  maker again:", info.makerAgain);
    PrintText("  description:", info.description);
    std::printf("text encoding: %d\n", sandbox_get_text_encoding(exports));

    void* component = nullptr;
    const int created = sandbox_create_interface(exports, HostPluginInterfaceId, 0, &component);
    std::printf("create_interface: %d\n", created);
    if (component != nullptr) {
        sandbox_component_uuid(component, uuid);
        PrintBytes("component_uuid:", uuid);
        std::printf("version_number: %d\n", sandbox_component_version_number(component));
        Component = component;
        AttachToWindows(exports, run);
        std::printf("release: %d\n", sandbox_component_release(component));
    }
    FreeLibrary(plugin.module);
    return 0;
}
