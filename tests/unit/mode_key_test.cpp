// The mode key: NONCONVERT or the one stored, switching once per press with exactly its modifiers, in any window.

#include <gtest/gtest.h>

#include "tests/support/message_hook_fixture.h"

namespace {

using NonConvertKey = MessageHookTest;

constexpr WPARAM NonConvert = 0x1D;
constexpr LPARAM Repeat = 0x40000000;

TEST_F(NonConvertKey, TheFirstKeyDownSwitchesAndReachesTheHostUnchanged)
{
    ExpectKeep(Deliver(WM_KEYDOWN, NonConvert, 0x00000001), WM_KEYDOWN);
    EXPECT_EQ(SessionState.Mode, CameraMode);
    EXPECT_EQ(SessionState.KeyLatch, 0);
    // The same message delivered again is blanked and switches nothing.
    ExpectConsume(Deliver(WM_KEYDOWN, NonConvert, 0x00000001));
    EXPECT_EQ(SessionState.Mode, CameraMode);
    EXPECT_EQ(SessionState.KeyLatch, 1);
}

TEST_F(NonConvertKey, AKeyDownAndItsKeyUpSwitchOnce)
{
    ExpectKeep(Deliver(WM_KEYDOWN, NonConvert, 1), WM_KEYDOWN);
    ExpectConsume(Deliver(WM_KEYUP, NonConvert, 1 | Repeat | 0x80000000));
    EXPECT_EQ(SessionState.Mode, CameraMode);
    ExpectKeep(Deliver(WM_KEYDOWN, NonConvert, 1), WM_KEYDOWN);
    EXPECT_EQ(SessionState.Mode, ModelingMode);
}

TEST_F(NonConvertKey, AutoRepeatAndMalformedKeyUpsPassAndLeaveTheLatch)
{
    ExpectPass(Deliver(WM_KEYDOWN, NonConvert, 1 | Repeat), WM_KEYDOWN);
    ExpectPass(Deliver(WM_KEYUP, NonConvert, 1), WM_KEYUP);
    EXPECT_EQ(SessionState.KeyLatch, 1);
    EXPECT_EQ(SessionState.Mode, ModelingMode);
}

TEST_F(NonConvertKey, OtherKeysPass)
{
    ExpectPass(Deliver(WM_KEYDOWN, VK_SPACE, 1), WM_KEYDOWN);
    ExpectPass(Deliver(WM_KEYDOWN, 0x1C, 1), WM_KEYDOWN);
    EXPECT_EQ(SessionState.KeyLatch, 1);
}

// Each press from another window than the figure window, held to auto-repeat, the modifier let go before the key.
TEST_F(NonConvertKey, AStoredKeySwitchesOncePerPressWithExactlyItsModifiers)
{
    const UINT Down = WM_KEYDOWN, SysDown = WM_SYSKEYDOWN;  // the release is the message after each
    const int32_t Ctrl = 0x2 << 8, Alt = 0x4 << 8, Extended = 0x8 << 8;  // the hot-key control's modifier flags
    const struct { int32_t stored; UINT down; WPARAM key; int modifier; bool switches; } presses[] = {
        {VK_F9, Down, VK_F9, 0, true},                 {VK_F9, Down, NonConvert, 0, false},
        {VK_F9, Down, VK_F9, VK_CONTROL, false},       {Ctrl | VK_F11, Down, VK_F11, VK_CONTROL, true},
        {Ctrl | VK_F11, Down, VK_F11, 0, false},       {Ctrl | VK_F11, Down, VK_F11, VK_SHIFT, false},
        {Ctrl | VK_F11, Down, VK_F11, VK_CONTROL | VK_SHIFT << 8, false},  // a second modifier in the next byte
        {Alt | VK_F9, SysDown, VK_F9, VK_MENU, true},  {Extended | VK_INSERT, Down, VK_INSERT, 0, true},
        {VK_F24, Down, VK_F24, 0, true},               {Ctrl | VK_OEM_1, Down, VK_OEM_1, VK_CONTROL, true},
        {0, Down, NonConvert, 0, false},               {0, Down, 0, 0, false}};
    for (const auto& press : presses) {
        SCOPED_TRACE(testing::Message() << "stored " << press.stored << ", key " << press.key);
        SessionState.Mode = ModelingMode;
        PluginSettings.ModeKey = press.stored;
        fake.keysDown = {press.modifier & 0xFF, press.modifier >> 8};
        EXPECT_EQ(Deliver(press.down, press.key, 1, OtherWindow()).passedOn, !press.switches);
        ExpectPass(Deliver(press.down, press.key, 1 | Repeat, OtherWindow()), press.down);
        fake.keysDown.clear();
        const UINT release = Deliver(press.down + 1, press.key, 1 | Repeat | 0x80000000, OtherWindow()).messageAfter;
        EXPECT_EQ(release, press.switches ? WM_NULL : press.down + 1);
        EXPECT_EQ(SessionState.Mode, press.switches ? CameraMode : ModelingMode);
    }
}

TEST_F(NonConvertKey, IsTakenWhicheverWindowHasTheFocus)
{
    ExpectKeep(Deliver(WM_KEYDOWN, NonConvert, 1, OtherWindow()), WM_KEYDOWN);
    EXPECT_EQ(SessionState.Mode, CameraMode);
}

}  // namespace
