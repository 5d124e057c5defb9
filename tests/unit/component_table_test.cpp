// The component's operation table as the host sees it: each slot called
// through the Microsoft-ABI caller as the kind this list expects there.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin/plugin_component.h"
#include "sandbox/host_bridge.h"
#include "sandbox/plugin_loader.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/discovery_exports.h"
#include "tests/support/sandbox_host_fixture.h"

namespace {

enum Kind {
    Unknown3,  // IUnknown's three and destroy, tested on their own
    True,
    False,
    Zero,
    One,
    Nothing,
    Clear,
    ClearAndTrue,
    Echo,
    ZeroIdentifier,
    ShapeToPart,
    Throw,
    VersionNumber,
    OpenConfiguration,
    CameraChanged,
    Attach,
    ComponentUuid
};

struct Run {
    int count;
    Kind kind;
};

// The host's plug-in component interface, slot by slot.
std::vector<Kind> ExpectedTable()
{
    const Run runs[] = {{4, Unknown3}, {1, True},  {4, Zero},    {14, Nothing}, {1, Zero},    {2, Nothing},
                        {1, Zero},     {5, Clear}, {1, OpenConfiguration},      {1, CameraChanged},
                        {2, Clear},    {1, VersionNumber},       {4, Clear},    {1, True},    {2, False},
                        {8, Zero},     {1, Nothing}, {4, False}, {4, True},     {1, False},   {1, True},
                        {3, Clear},    {1, Attach}, {1, False},  {1, One},      {1, Nothing}, {1, False},
                        {3, Nothing},  {1, False},  {1, Nothing}, {2, Clear},   {1, Nothing}, {3, Clear},
                        {1, Zero},     {1, Nothing}, {3, Clear}, {1, Zero},     {1, Nothing}, {5, Clear},
                        {1, Zero},     {4, Nothing}, {1, False}, {2, Nothing},  {1, Echo},    {1, Clear},
                        {1, Zero},     {1, Clear},  {1, ComponentUuid},         {1, ZeroIdentifier},
                        {2, Clear},    {2, Nothing}, {1, Clear}, {1, ShapeToPart}, {1, Clear}, {1, Nothing},
                        {2, False},    {1, ClearAndTrue},        {1, Zero},     {3, Clear},   {1, False},
                        {1, Nothing},  {80, Throw}};
    std::vector<Kind> table;
    for (const Run& run : runs)
        table.insert(table.end(), run.count, run.kind);
    return table;
}

// A block freed earlier at the component's address must not count as its own.
void ForgetLastFreedBlock()
{
    int* volatile probe = new int(0);
    delete probe;
}

int SlotIndexOf(Kind kind)
{
    const std::vector<Kind> table = ExpectedTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == kind)
            return static_cast<int>(i);
    return -1;
}

class ComponentTable : public SandboxHostTest {
protected:
    void SetUp() override
    {
        SandboxHostTest::SetUp();
        exports = LinkedDiscoveryExports();
        ASSERT_EQ(sandbox_create_interface(&exports, HostPluginInterfaceId, 0, &component), 1);
    }
    void TearDown() override
    {
        if (component != nullptr)
            sandbox_component_release(component);
    }

    SandboxSlotProbe Probe(int index, SandboxSlotKind kind)
    {
        SandboxSlotProbe probe;
        sandbox_probe_slot(component, index, kind, &probe);
        return probe;
    }

    SandboxExports exports{};
    void* component = nullptr;
};

TEST_F(ComponentTable, HasTwoHundredAndFiveOperations)
{
    EXPECT_EQ(ExpectedTable().size(), 205u);
    // The operations the component adds sit exactly where the host calls them.
    const void* const* table = *static_cast<void* const* const*>(component);
    plugin_component reference;
    const void* const* ownTable = *reinterpret_cast<void* const* const*>(&reference);
    EXPECT_EQ(table, ownTable);
    EXPECT_EQ(SlotIndexOf(OpenConfiguration), 32);
    EXPECT_EQ(SlotIndexOf(CameraChanged), 33);
    EXPECT_EQ(SlotIndexOf(VersionNumber), 36);
    EXPECT_EQ(SlotIndexOf(Attach), 66);
    EXPECT_EQ(SlotIndexOf(ComponentUuid), 106);
    EXPECT_EQ(SlotIndexOf(ShapeToPart), 113);
}

TEST_F(ComponentTable, EveryDefaultSlotBehavesAsItsKind)
{
    const std::vector<Kind> table = ExpectedTable();
    for (int index = 0; index < static_cast<int>(table.size()); ++index) {
        SCOPED_TRACE("slot " + std::to_string(index));
        switch (table[index]) {
        case True: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotTrue);
            EXPECT_EQ(probe.result & 0xFF, 1);
            EXPECT_EQ(probe.flagAfter, 1);
            break;
        }
        case False: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotFalse);
            EXPECT_EQ(probe.result & 0xFF, 0);
            EXPECT_EQ(probe.flagAfter, 1);
            break;
        }
        case Zero: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotZero);
            EXPECT_EQ(probe.result, 0);
            EXPECT_EQ(probe.flagAfter, 1);
            break;
        }
        case One:
            EXPECT_EQ(Probe(index, SandboxSlotOne).result & 0xFFFFFFFF, 1);
            break;
        case Nothing: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotNothing);
            EXPECT_EQ(probe.flagAfter, 1);
            EXPECT_EQ(probe.threwOther, 0);
            EXPECT_EQ(probe.thrownCharPointer, nullptr);
            break;
        }
        case Clear:
            EXPECT_EQ(Probe(index, SandboxSlotClear).flagAfter, 0);
            break;
        case ClearAndTrue: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotClearAndTrue);
            EXPECT_EQ(probe.flagAfter, 0);
            EXPECT_EQ(probe.result & 0xFF, 1);
            break;
        }
        case Echo:
            EXPECT_EQ(Probe(index, SandboxSlotEcho).result & 0xFFFFFFFF, 0x5A17);
            break;
        case ZeroIdentifier: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotZeroIdentifier);
            const unsigned char zeros[16] = {};
            EXPECT_EQ(std::memcmp(probe.uuid, zeros, 16), 0);
            break;
        }
        case Throw: {
            const SandboxSlotProbe probe = Probe(index, SandboxSlotThrow);
            ASSERT_NE(probe.thrownCharPointer, nullptr);
            EXPECT_STREQ(probe.thrownCharPointer, "invalid interface plugin_interface");
            EXPECT_EQ(probe.thrownVoidPointer, probe.thrownCharPointer);
            EXPECT_EQ(probe.threwOther, 0);
            break;
        }
        default:
            break;  // the component's own operations and IUnknown, tested below
        }
    }
}

TEST_F(ComponentTable, OwnOperationsAnswerThroughTheHostsDeclaration)
{
    unsigned char uuid[16];
    sandbox_component_uuid(component, uuid);
    const unsigned char expected[16] = {0x85, 0x2B, 0x93, 0x42, 0xF3, 0x49, 0x88, 0x61,
                                        0x55, 0x4F, 0x72, 0x9D, 0x89, 0xEF, 0x59, 0xB6};
    EXPECT_EQ(std::memcmp(uuid, expected, 16), 0);
    EXPECT_EQ(sandbox_component_version_number(component), 430286);
    std::memset(uuid, 0xCC, sizeof uuid);
    sandbox_component_zero_identifier(component, uuid);
    const unsigned char zeros[16] = {};
    EXPECT_EQ(std::memcmp(uuid, zeros, 16), 0);
}

TEST_F(ComponentTable, TheHostsTypeidAndDynamicCastKnowTheComponent)
{
    EXPECT_STREQ(sandbox_component_type_name(component), "class plugin_component");
    EXPECT_EQ(sandbox_component_cast_to_interface(component), component);
    EXPECT_EQ(sandbox_component_cast_to_object(component), component);
}

TEST_F(ComponentTable, CameraChangedAndAttachLeaveTheirFlagAlone)
{
    int flag = 0;
    sandbox_component_camera_changed(component, sandbox_host_scene(), &flag);
    EXPECT_EQ(flag, 1);
    SessionState.FirstAttach = 0;  // no attachment here, only the operation's own flag handling
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    EXPECT_EQ(flag, 1);
}

TEST_F(ComponentTable, ShapeToPartClearsTheFlagOnlyForAPart)
{
    host->shapeCount = 2;
    host->shapes[0].isPart = 1;
    host->shapes[0].active = 1;
    host->shapes[1].isPart = 0;
    host->shapes[1].active = 1;
    int flag = 1;
    sandbox_component_shape_to_part(component, 0, &flag);
    EXPECT_EQ(flag, 0) << "a part";
    sandbox_component_shape_to_part(component, 1, &flag);
    EXPECT_EQ(flag, 1) << "a plain shape";
}

TEST_F(ComponentTable, QueryInterfaceOffersNothing)
{
    auto* unknown = static_cast<IUnknown*>(static_cast<plugin_component*>(component));
    void* output = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(unknown->QueryInterface(IID_IUnknown, &output), static_cast<HRESULT>(0x80004002L));
    EXPECT_EQ(output, reinterpret_cast<void*>(0x1234));
}

TEST_F(ComponentTable, ReferencesCountOneTwoOneZero)
{
    EXPECT_EQ(static_cast<plugin_component*>(component)->reference_count(), 1);
    EXPECT_EQ(sandbox_component_add_ref(component), 2);
    ForgetLastFreedBlock();
    EXPECT_EQ(sandbox_component_release(component), 1);
    EXPECT_NE(LastFreedBlock(), component);
    EXPECT_EQ(sandbox_component_release(component), 0);
    EXPECT_EQ(LastFreedBlock(), component) << "the last release frees the component";
    component = nullptr;
}

TEST_F(ComponentTable, TheHostMayDeleteThroughTheVirtualDestructor)
{
    ForgetLastFreedBlock();
    sandbox_component_delete(component);
    EXPECT_EQ(LastFreedBlock(), component);
    component = nullptr;
}

}  // namespace
