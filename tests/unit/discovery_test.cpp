// The discovery functions as the host calls them, through the Microsoft-ABI
// caller and the sandbox host's application object.

#include <gtest/gtest.h>

#include <cstring>

#include "sandbox/plugin_loader.h"
#include "tests/support/discovery_exports.h"
#include "tests/support/sandbox_host_fixture.h"

namespace {

class Discovery : public SandboxHostTest {
protected:
    void SetUp() override
    {
        SandboxHostTest::SetUp();
        SessionState.App = nullptr;
        std::memcpy(foreignId, HostPluginInterfaceId, 16);
        foreignId[15] = 0x27;
    }

    SandboxExports exports = LinkedDiscoveryExports();
    unsigned char foreignId[16];
    const unsigned char* id = HostPluginInterfaceId;
};

TEST_F(Discovery, OffersOneComponentForItsInterfaceOnly)
{
    EXPECT_EQ(sandbox_has_interface(&exports, id), 1);
    EXPECT_EQ(sandbox_has_interface(&exports, foreignId), 0);
    EXPECT_EQ(sandbox_is_resident(&exports, id, 0), 1);
    EXPECT_EQ(sandbox_is_resident(&exports, id, 1), 0);
    EXPECT_EQ(sandbox_is_resident(&exports, foreignId, 0), 0);
    EXPECT_EQ(sandbox_get_text_encoding(&exports), 932);
}

TEST_F(Discovery, NameFollowsTheHostsLanguageAtEveryCall)
{
    host->japanese = 1;
    EXPECT_STREQ(sandbox_get_name(&exports, id, 0, sandbox_host_app()), "Z_Vormelt \x90\xdd\x92\xe8...");
    host->japanese = 0;
    EXPECT_STREQ(sandbox_get_name(&exports, id, 0, sandbox_host_app()), "Z_Vormelt Configuration...");
    EXPECT_EQ(Calls(SandboxIsJapanese), 2);
}

TEST_F(Discovery, NameStoresTheApplicationForEveryMatchingIndex)
{
    EXPECT_EQ(sandbox_get_name(&exports, foreignId, 0, sandbox_host_app()), nullptr);
    EXPECT_EQ(SessionState.App, nullptr) << "a foreign id stores nothing";
    EXPECT_EQ(sandbox_get_name(&exports, id, 5, sandbox_host_app()), nullptr);
    EXPECT_EQ(SessionState.App, static_cast<HostApp*>(sandbox_host_app()));
    EXPECT_EQ(Calls(SandboxIsJapanese), 0);
}

TEST_F(Discovery, NameIsEnglishWhenTheHostThrowsOnItsLanguage)
{
    host->throwFrom = SandboxIsJapanese;
    EXPECT_STREQ(sandbox_get_name(&exports, id, 0, sandbox_host_app()), "Z_Vormelt Configuration...");
}

TEST_F(Discovery, UuidIsZeroExceptForIndexZeroOfItsInterface)
{
    unsigned char uuid[16];
    const unsigned char expected[16] = {0x85, 0x2B, 0x93, 0x42, 0xF3, 0x49, 0x88, 0x61,
                                        0x55, 0x4F, 0x72, 0x9D, 0x89, 0xEF, 0x59, 0xB6};
    const unsigned char zeros[16] = {};
    sandbox_get_uuid(&exports, id, 0, uuid);
    EXPECT_EQ(std::memcmp(uuid, expected, 16), 0);
    sandbox_get_uuid(&exports, id, 1, uuid);
    EXPECT_EQ(std::memcmp(uuid, zeros, 16), 0);
    sandbox_get_uuid(&exports, foreignId, 0, uuid);
    EXPECT_EQ(std::memcmp(uuid, zeros, 16), 0);
}

TEST_F(Discovery, CreateInterfaceReportsTheComparisonForForeignIds)
{
    void* untouched = reinterpret_cast<void*>(0x5151);
    void* component = untouched;
    EXPECT_EQ(sandbox_create_interface(&exports, foreignId, 0, &component), 1);
    EXPECT_EQ(component, untouched);
    foreignId[15] = 0x25;
    EXPECT_EQ(sandbox_create_interface(&exports, foreignId, 0, &component), -1);
    EXPECT_EQ(component, untouched);
    EXPECT_EQ(sandbox_create_interface(&exports, id, 1, &component), 0);
    EXPECT_EQ(component, untouched);
}

TEST_F(Discovery, EveryCreationMakesANewComponent)
{
    void* first = nullptr;
    void* second = nullptr;
    EXPECT_EQ(sandbox_create_interface(&exports, id, 0, &first), 1);
    EXPECT_EQ(sandbox_create_interface(&exports, id, 0, &second), 1);
    EXPECT_NE(first, second);
    EXPECT_EQ(sandbox_component_release(first), 0);
    EXPECT_EQ(sandbox_component_release(second), 0);
}

TEST_F(Discovery, InfoRecordIsFilledExceptItsFirstField)
{
    SandboxInfoRecord record;
    std::memset(&record, 0xAB, sizeof record);
    record.hostField = 0x13572468;
    sandbox_get_info(&exports, &record);
    EXPECT_EQ(record.hostField, 0x13572468);
    EXPECT_EQ(record.version, 430196);
    EXPECT_EQ(record.kind, 5);
    EXPECT_EQ(record.reserved[0], 0);
    EXPECT_EQ(record.reserved[1], 0);
    EXPECT_EQ(record.reserved[2], 0);
    EXPECT_STREQ(record.name, "Z_Vormelt10");
    EXPECT_STREQ(record.maker, "KELDARN");
    EXPECT_STREQ(record.makerAgain, "KELDARN");
    EXPECT_NE(record.maker, record.makerAgain) << "two separate texts";
    // "マウスのホイール機能を有効にするプラグイン" in code page 932.
    EXPECT_STREQ(record.description,
                 "\x83\x7d\x83\x45\x83\x58\x82\xcc\x83\x7a\x83\x43\x81\x5b\x83\x8b\x8b\x40\x94\x5c\x82\xf0"
                 "\x97\x4c\x8c\xf8\x82\xc9\x82\xb7\x82\xe9\x83\x76\x83\x89\x83\x4f\x83\x43\x83\x93");
}

}  // namespace
