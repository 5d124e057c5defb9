// The sandbox host's windows and message loop, which the plug-in's hook relies
// on behaving as the real host's do.

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <vector>

#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_windows.h"

namespace {

std::map<UINT, int> HookedMessages;
HHOOK Hook = nullptr;

LRESULT CALLBACK CountingHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0)
        ++HookedMessages[reinterpret_cast<MSG*>(lParam)->message];
    return CallNextHookEx(Hook, code, wParam, lParam);
}

class HostWindowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sandbox_host_reset();
        windows = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600);
        PumpPendingMessages();
    }
    static void TearDownTestSuite() { DestroyWindow(windows.main); }

    static HostWindows windows;
};

HostWindows HostWindowsTest::windows;

TEST_F(HostWindowsTest, TheFigureWindowIsTheMainWindowsFirstChild)
{
    ASSERT_NE(windows.main, nullptr);
    EXPECT_EQ(GetWindow(windows.main, GW_CHILD), windows.figure);
    EXPECT_EQ(GetParent(windows.statusBar), windows.main);
}

TEST_F(HostWindowsTest, TheSiblingPluginsWindowIsFoundByItsCaption)
{
    EXPECT_EQ(FindWindowA(nullptr, "Z_Tarnhollow"), windows.tarnhollow);
    const int before = TarnhollowNotifications();
    PostMessageA(windows.tarnhollow, 0x8001, 0, 0);
    PumpPendingMessages();
    EXPECT_EQ(TarnhollowNotifications(), before + 1);
}

TEST_F(HostWindowsTest, PanesAreReportedInScreenCoordinatesWithOnePerspectivePane)
{
    const SandboxHostState* state = sandbox_host_state();
    POINT origin = {0, 0};
    ClientToScreen(windows.figure, &origin);
    EXPECT_EQ(state->paneRects[0].left, origin.x);
    EXPECT_EQ(state->paneRects[0].top, origin.y);
    int perspective = 0;
    for (int pane = 0; pane < 4; ++pane) {
        EXPECT_LT(state->paneRects[pane].left, state->paneRects[pane].right);
        EXPECT_LT(state->paneRects[pane].top, state->paneRects[pane].bottom);
        perspective += state->paneTypes[pane] == 3;
    }
    EXPECT_EQ(perspective, 1);
    EXPECT_EQ(state->paneTypes[3], 3);
}

TEST_F(HostWindowsTest, TheLoopShowsMouseMessagesTwiceAndOthersOnce)
{
    PumpPendingMessages();
    HookedMessages.clear();
    Hook = SetWindowsHookExA(WH_GETMESSAGE, CountingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(Hook, nullptr);
    PostMessageA(windows.figure, WM_USER + 7, 0, 0);
    PostMessageA(windows.figure, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 10));
    PostMessageA(windows.figure, WM_KEYDOWN, 0x1D, 0);
    PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), MAKELPARAM(100, 100));
    PumpPendingMessages();
    UnhookWindowsHookEx(Hook);
    EXPECT_EQ(HookedMessages[WM_USER + 7], 1);
    EXPECT_EQ(HookedMessages[WM_KEYDOWN], 1);
    EXPECT_EQ(HookedMessages[WM_MBUTTONDOWN], 2);
    EXPECT_EQ(HookedMessages[WM_MOUSEWHEEL], 2);
}

TEST_F(HostWindowsTest, TheLoopKeepsTheOrderOfKeyboardAndMouseInput)
{
    PumpPendingMessages();
    HookedMessages.clear();
    Hook = SetWindowsHookExA(WH_GETMESSAGE, CountingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(Hook, nullptr);
    SetForegroundWindow(windows.main);
    RECT figure;
    GetWindowRect(windows.figure, &figure);
    SetCursorPos((figure.left + figure.right) / 2, (figure.top + figure.bottom) / 2);
    PumpPendingMessages();
    HookedMessages.clear();
    // The host's own pan: the space key must be down when the left press arrives.
    const SpacePanCounters before = FigureWindowSpacePans();
    keybd_event(VK_SPACE, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    for (int i = 0; i < 100 && HookedMessages[WM_LBUTTONUP] < 2; ++i) {
        PumpPendingMessages();
        Sleep(10);
    }
    UnhookWindowsHookEx(Hook);
    EXPECT_EQ(FigureWindowSpacePans().leftDownsWithSpace, before.leftDownsWithSpace + 1);
    EXPECT_EQ(HookedMessages[WM_LBUTTONDOWN], 2);
    EXPECT_EQ(HookedMessages[WM_LBUTTONUP], 2);
    EXPECT_EQ(HookedMessages[WM_KEYDOWN], 1);
}

}  // namespace
