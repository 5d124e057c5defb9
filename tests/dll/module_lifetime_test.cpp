// Loading and unloading the built DLL as the host process does.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_windows.h"
#include "sandbox/plugin_loader.h"
#include "tests/windows/registry_scratch.h"

namespace {

BOOL CALLBACK CollectOwnedWindow(HWND window, LPARAM owned)
{
    auto* found = reinterpret_cast<std::vector<HWND>*>(owned);
    if (GetWindow(window, GW_OWNER) == found->front())
        found->push_back(window);
    return TRUE;
}

// The windows of this thread that `owner` owns.
std::vector<HWND> OwnedWindows(HWND owner)
{
    std::vector<HWND> found{owner};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwnedWindow, reinterpret_cast<LPARAM>(&found));
    found.erase(found.begin());
    return found;
}

void PumpTwice()
{
    PumpPendingMessages();
    PumpPendingMessages();
}

TEST(ModuleLifetime, LoadingTakesTheStatusBarLibraryAndUnloadingFreesIt)
{
    ASSERT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    ASSERT_TRUE(plugin.complete);
    EXPECT_NE(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
    // Never attached: no hook to remove, and unloading still succeeds.
    EXPECT_TRUE(FreeLibrary(plugin.module));
    EXPECT_EQ(GetModuleHandleA("Z_Vormelt10.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
}

TEST(ModuleLifetime, TheLoadedDllAnswersTheHostThroughItsExports)
{
    sandbox_host_reset();
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    ASSERT_TRUE(plugin.complete);
    const SandboxExports* exports = &plugin.exports;
    EXPECT_EQ(sandbox_has_interface(exports, HostPluginInterfaceId), 1);
    EXPECT_STREQ(sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()),
                 "Z_Vormelt Configuration...");
    unsigned char uuid[16];
    sandbox_get_uuid(exports, HostPluginInterfaceId, 0, uuid);
    const unsigned char expected[16] = {0x85, 0x2B, 0x93, 0x42, 0xF3, 0x49, 0x88, 0x61,
                                        0x55, 0x4F, 0x72, 0x9D, 0x89, 0xEF, 0x59, 0xB6};
    EXPECT_EQ(std::memcmp(uuid, expected, 16), 0);
    EXPECT_EQ(sandbox_get_text_encoding(exports), 932);

    void* component = nullptr;
    ASSERT_EQ(sandbox_create_interface(exports, HostPluginInterfaceId, 0, &component), 1);
    EXPECT_EQ(sandbox_component_add_ref(component), 2);
    EXPECT_EQ(sandbox_component_release(component), 1);
    EXPECT_EQ(sandbox_component_release(component), 0);
    EXPECT_TRUE(FreeLibrary(plugin.module));
}

TEST(ModuleLifetime, UnloadingBeforeTheHostsWindowsEndLeavesNothingPointingIntoTheFreedCode)
{
    DeleteSettingsKey();
    sandbox_host_reset();
    HostWindows windows = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600);
    sandbox_host_state()->mainWindow = windows.main;
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    ASSERT_TRUE(plugin.complete);
    sandbox_get_name(&plugin.exports, HostPluginInterfaceId, 0, sandbox_host_app());
    void* component = nullptr;
    ASSERT_EQ(sandbox_create_interface(&plugin.exports, HostPluginInterfaceId, 0, &component), 1);
    int flag = 0;
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    sandbox_component_open_configuration(component);
    sandbox_component_open_configuration(component);
    PumpTwice();
    const std::vector<HWND> pluginWindows = OwnedWindows(windows.main);
    ASSERT_EQ(pluginWindows.size(), 3u) << "the control window and two configuration dialogs";
    sandbox_component_release(component);

    EXPECT_TRUE(FreeLibrary(plugin.module));
    ASSERT_EQ(GetModuleHandleA("Z_Vormelt10.dll"), nullptr);
    EXPECT_TRUE(OwnedWindows(windows.main).empty());
    for (HWND window : pluginWindows) {
        EXPECT_FALSE(IsWindow(window));
        SendMessageA(window, WM_PAINT, 0, 0);
        SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(10, 10));
    }
    const RECT pane = PaneClientRect(windows.figure, 3);
    const LPARAM inside = MAKELPARAM((pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2);
    for (const UINT message : {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP})
        PostMessageA(windows.figure, message, 0, inside);
    PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), inside);
    PumpTwice();
    EXPECT_TRUE(IsWindow(windows.figure));

    DestroyWindow(windows.main);
    DestroyWindow(windows.tarnhollow);
    PumpTwice();
    DeleteSettingsKey();
}

}  // namespace
