// Which messages the hook looks at, and the NONCONVERT mode key.

#include <gtest/gtest.h>

#include "tests/support/message_hook_fixture.h"

namespace {

using HookFilter = MessageHookTest;
using NonConvertKey = MessageHookTest;

constexpr WPARAM NonConvert = 0x1D;
constexpr LPARAM Repeat = 0x40000000;

TEST_F(HookFilter, MessagesOutsideTheFourteenPassWithTheHooksOwnArguments)
{
    const UINT others[] = {WM_USER + 5, WM_PAINT, WM_CHAR, WM_NCMOUSEMOVE, WM_SYSKEYDOWN, WM_MOUSEHWHEEL};
    SessionState.Mode = CameraMode;
    for (UINT message : others) {
        fake.calls.clear();
        MSG record = {};
        record.hwnd = Figure();
        record.message = message;
        record.wParam = MK_MBUTTON;
        const LRESULT result = MessageHook(HC_ACTION, PM_NOREMOVE, reinterpret_cast<LPARAM>(&record));
        EXPECT_EQ(result, 77);
        EXPECT_EQ(record.message, message);
        ASSERT_EQ(fake.calls.size(), 1u) << message;
        EXPECT_EQ(fake.calls[0].a, HC_ACTION);
        EXPECT_EQ(fake.calls[0].b, PM_NOREMOVE);
        EXPECT_EQ(fake.calls[0].c, reinterpret_cast<long long>(&record));
    }
    EXPECT_EQ(host->callCount, 0) << "no host call for messages the hook does not take";
}

TEST_F(HookFilter, ANegativeCodePassesEvenATakenMessage)
{
    MSG record = {};
    record.hwnd = Figure();
    record.message = WM_MOUSEWHEEL;
    record.wParam = Wheel(-120);
    record.lParam = At(10, 10);
    EXPECT_EQ(MessageHook(-1, PM_REMOVE, reinterpret_cast<LPARAM>(&record)), 77);
    EXPECT_EQ(record.message, static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_EQ(fake.calls.back().a, -1);
    EXPECT_EQ(host->callCount, 0);
}

TEST_F(HookFilter, APeekedMessageIsTreatedLikeARemovedOne)
{
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10), Figure(), PM_NOREMOVE));
    ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(-120), At(10, 10), Figure(), PM_REMOVE));
    EXPECT_EQ(Calls(SandboxZoomInAt), 1);
}

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

TEST_F(NonConvertKey, IsTakenWhicheverWindowHasTheFocus)
{
    ExpectKeep(Deliver(WM_KEYDOWN, NonConvert, 1, OtherWindow()), WM_KEYDOWN);
    EXPECT_EQ(SessionState.Mode, CameraMode);
}

}  // namespace
