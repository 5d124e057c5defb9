// Loading and unloading the built DLL as the host process does.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/microsoft_type_records.h"
#include "host/status_bar_library.h"
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

// A folder under the temporary folder, with its final separator.
std::string TemporaryFolder(const char* name)
{
    char temporary[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temporary);
    return std::string(temporary) + name + "\\";
}

// A fresh one.
std::string ScratchFolder(const char* name)
{
    const std::string folder = TemporaryFolder(name);
    for (const char* file : {"Z_Vormelt10.dll", "Z_Brannoc10.dll", "planted_helper.dll"})
        DeleteFileA((folder + file).c_str());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void PumpTwice()
{
    PumpPendingMessages();
    PumpPendingMessages();
}

// Once attached, the plug-in stays in the process: a test that attaches it
// runs again in a process of its own, which tells it so through this variable.
constexpr char OwnProcess[] = "VORMELT_OWN_PROCESS";

// There a crash ends the process at once, with its exception code, instead of
// waiting on a debugger.
bool InOwnProcess()
{
    if (GetEnvironmentVariableA(OwnProcess, nullptr, 0) == 0)
        return false;
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* crash) -> LONG {
        TerminateProcess(GetCurrentProcess(), crash->ExceptionRecord->ExceptionCode);
        return EXCEPTION_CONTINUE_SEARCH;
    });
    return true;
}

// The exit code of the calling test run in a process of its own, of `program`
// (a copy of this one) in the current folder `folder`: 0 when it passed
// there; a hang ends it after a minute.
DWORD RunInOwnProcess(std::string program = "", const char* folder = nullptr)
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (program.empty())
        program = self;
    std::string commandLine =
        "\"" + program + "\" --gtest_filter=" + test->test_suite_name() + "." + test->name();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    SetEnvironmentVariableA(OwnProcess, "1");
    const BOOL started = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                                        &startup, &process);
    SetEnvironmentVariableA(OwnProcess, nullptr);
    if (!started)
        return GetLastError();
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, WAIT_TIMEOUT);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST(ModuleLifetime, BeforeAnyAttachLoadingTakesNoLibraryAndUnloadingFreesThePlugIn)
{
    ASSERT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    ASSERT_TRUE(plugin.complete);
    EXPECT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr) << "the status-bar library waits for the attachment";
    EXPECT_TRUE(FreeLibrary(plugin.module));
    EXPECT_EQ(GetModuleHandleA("Z_Vormelt10.dll"), nullptr);
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
    // Every link of the type information is an offset from the plug-in's own
    // base, whatever the host's runtime derives the base from.
    const char* base = reinterpret_cast<const char*>(plugin.module);
    const auto* locator = static_cast<const CompleteObjectLocator*>((*static_cast<void* const* const*>(component))[-1]);
    ASSERT_EQ(base + locator->self, reinterpret_cast<const char*>(locator));
    auto at = [base](int32_t offset) { return base + offset; };
    auto name = [&](int32_t type) { return std::string(reinterpret_cast<const TypeDescriptor<1>*>(at(type))->name); };
    EXPECT_EQ(name(locator->typeDescriptor), ".?AVplugin_component@@");
    const auto* hierarchy = reinterpret_cast<const ClassHierarchyDescriptor*>(at(locator->classDescriptor));
    ASSERT_GT(hierarchy->baseCount, 0u);
    for (uint32_t i = 0; i < hierarchy->baseCount; ++i) {
        const int32_t baseClass = reinterpret_cast<const int32_t*>(at(hierarchy->baseArray))[i];
        const auto* described = reinterpret_cast<const BaseClassDescriptor*>(at(baseClass));
        EXPECT_EQ(name(described->typeDescriptor).substr(0, 3), ".?A") << i;
        EXPECT_EQ(i == 0, described->typeDescriptor == locator->typeDescriptor) << "the class itself comes first";
        // Each base's own hierarchy lists that base first, then the bases it contains.
        const auto* own = reinterpret_cast<const ClassHierarchyDescriptor*>(at(described->classDescriptor));
        EXPECT_EQ(own->baseCount, described->containedBases + 1) << i;
        EXPECT_EQ(reinterpret_cast<const int32_t*>(at(own->baseArray))[0], baseClass) << i;
    }
    EXPECT_EQ(sandbox_component_add_ref(component), 2);
    EXPECT_EQ(sandbox_component_release(component), 1);
    EXPECT_EQ(sandbox_component_release(component), 0);
    EXPECT_TRUE(FreeLibrary(plugin.module));
}

// The library the host loaded comes first, then the one beside the plug-in,
// then the application's; never one from the current folder, which may be a
// document's, nor a library there that a status-bar library imports.
TEST(ModuleLifetime, TheStatusBarLibraryComesFromTheHostThePlugInsOrTheApplicationsFolderOnly)
{
    const std::string built = FolderOf(nullptr);
    const std::string planted = ScratchFolder("vormelt-document");
    const std::string hosts = ScratchFolder("vormelt-host-library");
    ASSERT_TRUE(CopyFileA((built + "Z_Brannoc10.dll").c_str(), (planted + "Z_Brannoc10.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((built + "planted\\planted_helper.dll").c_str(), (planted + "planted_helper.dll").c_str(),
                          FALSE));
    ASSERT_TRUE(CopyFileA((built + "Z_Brannoc10.dll").c_str(), (hosts + "Z_Brannoc10.dll").c_str(), FALSE));
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    const std::string plugins = ScratchFolder("vormelt-plugins");
    const struct {
        const char* what;
        bool loadedByHost;
        const char* besidePlugIn;
        const std::string& expected;
        bool helperBeside = false;  // the library it imports, beside it
    } rows[] = {
        {"loaded by the host from another folder", true, "Z_Brannoc10.dll", hosts},
        {"beside the plug-in", false, "Z_Brannoc10.dll", plugins},
        {"not beside the plug-in", false, nullptr, built},
        {"beside the plug-in with the library it imports", false, "planted\\Z_Brannoc10.dll", plugins, true},
        {"beside the plug-in, importing a library only the current folder has", false, "planted\\Z_Brannoc10.dll",
         built},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ScratchFolder("vormelt-plugins");  // emptied
        ASSERT_TRUE(CopyFileA((built + "Z_Vormelt10.dll").c_str(), (plugins + "Z_Vormelt10.dll").c_str(), FALSE));
        if (row.besidePlugIn != nullptr) {
            ASSERT_TRUE(
                CopyFileA((built + row.besidePlugIn).c_str(), (plugins + "Z_Brannoc10.dll").c_str(), FALSE));
        }
        if (row.helperBeside)
            CopyFileA((built + "planted\\planted_helper.dll").c_str(), (plugins + "planted_helper.dll").c_str(), FALSE);
        ASSERT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
        const HMODULE hostsCopy = row.loadedByHost ? LoadLibraryA((hosts + "Z_Brannoc10.dll").c_str()) : nullptr;
        SetCurrentDirectoryA(planted.c_str());
        const HMODULE plugin = LoadLibraryA((plugins + "Z_Vormelt10.dll").c_str());
        const HMODULE library = LoadStatusBarLibrary(plugin);
        SetCurrentDirectoryA(previous);
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(FolderOf(library), row.expected);
        EXPECT_EQ(GetModuleHandleA("planted_helper.dll") != nullptr, row.helperBeside);
        FreeLibrary(library);
        if (hostsCopy != nullptr)
            FreeLibrary(hostsCopy);
        EXPECT_TRUE(FreeLibrary(plugin));
    }
}

// A copy of this program plays a host started from a folder without the
// library, from the folder of a document that holds one.
TEST(ModuleLifetime, AHostStartedFromADocumentsFolderNeverLoadsTheLibraryPlantedThere)
{
    const std::string plugins = TemporaryFolder("vormelt-host-plugins");
    if (InOwnProcess()) {
        LoadedPlugin plugin = LoadPlugin((plugins + "Z_Vormelt10.dll").c_str());
        ASSERT_TRUE(plugin.complete);
        EXPECT_EQ(LoadStatusBarLibrary(plugin.module), nullptr);
        EXPECT_EQ(GetModuleHandleA("Z_Brannoc10.dll"), nullptr);
        // With a library beside it, the attached plug-in away from the host's folder takes that one.
        EXPECT_TRUE(CopyFileA((TemporaryFolder("vormelt-document") + "Z_Brannoc10.dll").c_str(),
                              (plugins + "Z_Brannoc10.dll").c_str(), FALSE));
        sandbox_host_reset();
        sandbox_host_state()->mainWindow = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600).main;
        sandbox_get_name(&plugin.exports, HostPluginInterfaceId, 0, sandbox_host_app());
        void* component = nullptr;
        ASSERT_EQ(sandbox_create_interface(&plugin.exports, HostPluginInterfaceId, 0, &component), 1);
        int flag = 0;
        sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
        EXPECT_EQ(FolderOf(GetModuleHandleA("Z_Brannoc10.dll")), plugins);
        return;
    }
    const std::string built = FolderOf(nullptr);
    const std::string planted = ScratchFolder("vormelt-document");
    ScratchFolder("vormelt-host-plugins");
    const std::string host = ScratchFolder("vormelt-host") + "host.exe";
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ASSERT_TRUE(CopyFileA(self, host.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((built + "Z_Brannoc10.dll").c_str(), (planted + "Z_Brannoc10.dll").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((built + "Z_Vormelt10.dll").c_str(), (plugins + "Z_Vormelt10.dll").c_str(), FALSE));
    EXPECT_EQ(RunInOwnProcess(host, planted.c_str()), 0u);
    DeleteFileA(host.c_str());
}

// The host loaded the status-bar library itself, so the library, holding the
// pane's procedure, outlives any unload.
TEST(ModuleLifetime, AHostThatFreesTheAttachedPlugInFreesNothingAndTheUserGoesOnClicking)
{
    if (!InOwnProcess()) {
        EXPECT_EQ(RunInOwnProcess(), 0u);
        return;
    }
    DeleteSettingsKey();
    sandbox_host_reset();
    const HMODULE statusBarLibrary = LoadLibraryA("Z_Brannoc10.dll");
    HostWindows windows = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600);
    sandbox_host_state()->mainWindow = windows.main;
    reinterpret_cast<void (*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(statusBarLibrary, "SandboxStatusBarAttach")))(windows.statusBar);
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    ASSERT_TRUE(plugin.complete);
    sandbox_get_name(&plugin.exports, HostPluginInterfaceId, 0, sandbox_host_app());
    void* component = nullptr;
    ASSERT_EQ(sandbox_create_interface(&plugin.exports, HostPluginInterfaceId, 0, &component), 1);
    int flag = 0;
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    sandbox_component_open_configuration(component);
    PumpTwice();
    const std::vector<HWND> pluginWindows = OwnedWindows(windows.main);
    ASSERT_EQ(pluginWindows.size(), 2u) << "the control window and the configuration dialog";
    HWND control = pluginWindows[0];
    if (GetDlgItem(control, 1000) == nullptr)
        control = pluginWindows[1];
    RECT before{};
    GetWindowRect(control, &before);
    sandbox_component_release(component);
    EXPECT_TRUE(FreeLibrary(plugin.module));
    FreeLibrary(plugin.module);  // once more than it was loaded

    EXPECT_EQ(GetModuleHandleA("Z_Vormelt10.dll"), plugin.module);
    RECT part{};
    SendMessageA(windows.statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    SendMessageA(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(part.left + 5, part.top + 5));
    PumpTwice();
    RECT after{};
    GetWindowRect(control, &after);
    EXPECT_GT(after.right - after.left, before.right - before.left) << "the pane's click entered camera mode";
    for (HWND window : pluginWindows) {
        SendMessageA(window, WM_PAINT, 0, 0);
        SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(after.left + 5, after.top + 5));
    }
    const RECT pane = PaneClientRect(windows.figure, 3);
    const LPARAM inside = MAKELPARAM((pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2);
    for (const UINT message : {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP})
        PostMessageA(windows.figure, message, 0, inside);
    PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), inside);
    PumpTwice();
    // The hook still runs: the mode key switches back to modeling mode.
    PostMessageA(windows.figure, WM_KEYDOWN, VK_NONCONVERT, 0x007B0001);
    PumpTwice();
    GetWindowRect(control, &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left) << "the hook's mode key entered modeling mode";

    // Loaded again, it is the same plug-in, attached once.
    LoadedPlugin again = LoadPlugin("Z_Vormelt10.dll");
    EXPECT_EQ(sandbox_has_interface(&again.exports, HostPluginInterfaceId), 1);
    ASSERT_EQ(sandbox_create_interface(&again.exports, HostPluginInterfaceId, 0, &component), 1);
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    EXPECT_EQ(sandbox_host_count_calls(SandboxAttachCall), 1);
    EXPECT_EQ(OwnedWindows(windows.main).size(), 2u);
    sandbox_component_release(component);
    DeleteSettingsKey();
}

}  // namespace
