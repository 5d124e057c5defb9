// The built Z_Vormelt10.dll attached to the sandbox host's windows, as the host
// loads, discovers, creates and attaches it: its own dialog, icons and pane.

#include <gtest/gtest.h>
#include <windows.h>

#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_windows.h"
#include "sandbox/plugin_loader.h"
#include "sandbox/statusbar/status_bar_log.h"
#include "tests/windows/attached_host.h"
#include "tests/windows/registry_scratch.h"

namespace {

// The plug-in's control window: the dialog owned by the host's main window.
HWND OwnedDialog(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) {
            auto* search = reinterpret_cast<Search*>(context);
            char name[16] = "";
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == "#32770" && GetWindow(window, GW_OWNER) == search->owner) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(BuiltPlugin, AttachesToTheSandboxHostsWindowsAsTheHostDoes)
{
    sandbox_host_reset();
    DeleteSettingsKey();
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    ASSERT_TRUE(plugin.complete);
    // The host has loaded the status-bar library; the plug-in takes that one.
    const HMODULE statusBarLibrary = LoadLibraryA("Z_Brannoc10.dll");
    ASSERT_NE(statusBarLibrary, nullptr);
    StatusBarLog* log = reinterpret_cast<SandboxStatusBarLogFunction>(
        reinterpret_cast<void*>(GetProcAddress(statusBarLibrary, "SandboxStatusBarLog")))();
    log->count = 0;

    sandbox_get_name(&plugin.exports, HostPluginInterfaceId, 0, sandbox_host_app());
    void* component = nullptr;
    ASSERT_EQ(sandbox_create_interface(&plugin.exports, HostPluginInterfaceId, 0, &component), 1);
    const HostWindows windows = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600);
    sandbox_host_state()->mainWindow = windows.main;
    reinterpret_cast<void (*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(statusBarLibrary, "SandboxStatusBarAttach")))(windows.statusBar);

    int flag = 0;
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    sandbox_component_camera_changed(component, sandbox_host_scene(), &flag);
    PumpPendingMessages();

    const HWND control = OwnedDialog(windows.main);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(IsWindowVisible(control));
    EXPECT_EQ(ClientSize(control).cx, 44);
    EXPECT_EQ(ControlText(control, 1005), "35.000000");
    ASSERT_EQ(log->count, 3) << "in ModelingMode the camera change leaves the pane's text";
    EXPECT_EQ(log->calls[0].function, StatusBarAddPainCall);
    EXPECT_EQ(Utf8FromCp932(log->calls[1].text), u8"Z_Vormelt モデリングモード");
    EXPECT_NE(log->calls[2].icon, nullptr);

    SendMessageA(GetDlgItem(control, 1000), BM_CLICK, 0, 0);
    EXPECT_EQ(ClientSize(control).cx, 250);
    EXPECT_EQ(Utf8FromCp932(log->calls[log->count - 2].text), u8"Z_Vormelt カメラモード");
    EXPECT_EQ(sandbox_host_count_calls(SandboxAttachCall), 1);

    // The host closes: the control window ends with its owner, before the
    // plug-in is unloaded.
    DestroyWindow(windows.main);
    DestroyWindow(windows.tarnhollow);
    PumpPendingMessages();
    EXPECT_EQ(ReadSettingsValue("PosX").AsInt32(), 200);
    EXPECT_EQ(sandbox_component_release(component), 0);
    EXPECT_TRUE(FreeLibrary(plugin.module));
    DeleteSettingsKey();
}

}  // namespace
