// Loading and unloading the built DLL as the host process does.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "sandbox/host_bridge.h"
#include "sandbox/plugin_loader.h"

namespace {

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
    EXPECT_EQ(sandbox_component_add_ref(component), 2);
    EXPECT_EQ(sandbox_component_release(component), 1);
    EXPECT_EQ(sandbox_component_release(component), 0);
    EXPECT_TRUE(FreeLibrary(plugin.module));
}

}  // namespace
