// Which messages the hook looks at, and how each call ends.

#include <gtest/gtest.h>

#include "tests/support/message_hook_fixture.h"

namespace {

using HookFilter = MessageHookTest;

TEST_F(HookFilter, MessagesOutsideTheSixteenPassWithTheHooksOwnArguments)
{
    const UINT others[] = {WM_USER + 5, WM_PAINT, WM_CHAR, WM_NCMOUSEMOVE, WM_SYSCHAR, WM_MOUSEHWHEEL};
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

}  // namespace
