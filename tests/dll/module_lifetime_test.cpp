// Loading and unloading the built DLL as the host process does.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
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

std::string FolderOf(HMODULE module)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// A fresh folder under the temporary folder, with its final separator.
std::string ScratchFolder(const char* name)
{
    char temporary[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temporary);
    const std::string folder = std::string(temporary) + name + "\\";
    for (const char* file : {"Z_Vormelt10.dll", "Z_Brannoc10.dll"})
        DeleteFileA((folder + file).c_str());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
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
                 "Z_Vormelt \x90\xdd\x92\xe8...");
    sandbox_host_state()->japanese = 0;
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
    EXPECT_STREQ(sandbox_component_type_name(component), "class plugin_component");
    EXPECT_EQ(sandbox_component_cast_to_interface(component), component);
    EXPECT_EQ(sandbox_component_add_ref(component), 2);
    EXPECT_EQ(sandbox_component_release(component), 1);
    EXPECT_EQ(sandbox_component_release(component), 0);
    EXPECT_TRUE(FreeLibrary(plugin.module));
}

TEST(ModuleLifetime, TheStatusBarLibraryBesideThePluginComesBeforeTheApplicationsAndTheCurrentFolders)
{
    const std::string built = FolderOf(nullptr);
    const std::string planted = ScratchFolder("vormelt-document");
    ASSERT_TRUE(CopyFileA((built + "Z_Brannoc10.dll").c_str(), (planted + "Z_Brannoc10.dll").c_str(), FALSE));
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    for (const bool beside : {true, false}) {
        SCOPED_TRACE(beside ? "installed beside the plug-in" : "not installed beside the plug-in");
        const std::string plugins = ScratchFolder("vormelt-plugins");
        ASSERT_TRUE(CopyFileA((built + "Z_Vormelt10.dll").c_str(), (plugins + "Z_Vormelt10.dll").c_str(), FALSE));
        if (beside) {
            ASSERT_TRUE(CopyFileA((built + "Z_Brannoc10.dll").c_str(), (plugins + "Z_Brannoc10.dll").c_str(), FALSE));
        }
        ASSERT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
        SetCurrentDirectoryA(planted.c_str());
        const HMODULE plugin = LoadLibraryA((plugins + "Z_Vormelt10.dll").c_str());
        SetCurrentDirectoryA(previous);
        ASSERT_NE(plugin, nullptr);
        const HMODULE library = GetModuleHandleA("Z_Brannoc10.dll");
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(FolderOf(library), beside ? plugins : built);
        EXPECT_TRUE(FreeLibrary(plugin));
        EXPECT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
    }
}

// A copy of this program plays a host started from a folder without the
// library, from the folder of a document that holds one; it ends with 42 when
// it loaded the plug-in and no status-bar library came with it.
constexpr char StartedHostPlugin[] = "VORMELT_STARTED_HOST_PLUGIN";
constexpr DWORD StartedHostPassed = 42;

TEST(ModuleLifetime, AHostStartedFromADocumentsFolderNeverLoadsTheLibraryPlantedThere)
{
    char pluginPath[MAX_PATH] = "";
    if (GetEnvironmentVariableA(StartedHostPlugin, pluginPath, MAX_PATH) != 0) {
        const HMODULE plugin = LoadLibraryA(pluginPath);
        const bool clean = plugin != nullptr && GetModuleHandleA("Z_Brannoc10.dll") == nullptr;
        std::exit(clean ? StartedHostPassed : 1);
    }
    const std::string built = FolderOf(nullptr);
    const std::string planted = ScratchFolder("vormelt-document");
    const std::string plugins = ScratchFolder("vormelt-plugins");
    const std::string hostFolder = ScratchFolder("vormelt-host");
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string host = hostFolder + "host.exe";
    ASSERT_TRUE(CopyFileA(self, host.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((built + "Z_Brannoc10.dll").c_str(), (planted + "Z_Brannoc10.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((built + "Z_Vormelt10.dll").c_str(), (plugins + "Z_Vormelt10.dll").c_str(), FALSE));

    SetEnvironmentVariableA(StartedHostPlugin, (plugins + "Z_Vormelt10.dll").c_str());
    std::string commandLine = "\"" + host + "\" --gtest_filter=ModuleLifetime.AHostStartedFromADocumentsFolder*";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(host.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                        planted.c_str(), &startup, &process);
    SetEnvironmentVariableA(StartedHostPlugin, nullptr);
    ASSERT_TRUE(started);
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, StartedHostPassed);
    DeleteFileA(host.c_str());
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
