// The middle button in ModelingMode, and in CameraMode where it falls back to it: click, double click, timer, pan.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/middle_click.h"
#include "tests/support/message_hook_fixture.h"

namespace {

using MiddleButton = MessageHookTest;
constexpr uint32_t ClickTimer = DoubleClickTimerId;

std::string Call(const char* name, long long a = 0, long long b = 0, long long c = 0, const char* text = "")
{
    return std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) +
           (*text ? std::string(",") + text : std::string()) + ")";
}

long long Handle(const void* handle)
{
    return reinterpret_cast<long long>(handle);
}

TEST_F(MiddleButton, TheFirstActingPressStartsTheDoubleClickTimer)
{
    ExpectConsume(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5)));
    EXPECT_EQ(fake.Sequence(), std::vector<std::string>{Call("SetTimer", Handle(Figure()), ClickTimer, 432)});
    EXPECT_EQ(SessionState.MiddleTimerId, ClickTimer);
    ExpectConsume(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5)));  // its second delivery
    EXPECT_EQ(fake.Count("SetTimer"), 1);
}

TEST_F(MiddleButton, ASecondPressWithinTheTimeRunsTheDoubleClickCommand)
{
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5));
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5));
    fake.calls.clear();
    ExpectConsume(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5)));
    EXPECT_EQ(fake.Sequence(), std::vector<std::string>{Call("KillTimer", Handle(Figure()), ClickTimer)});
    EXPECT_EQ(SessionState.MiddleTimerId, 0u);
    EXPECT_EQ(Calls(SandboxFitDrawing), 1);
    ExpectReferencesBalanced();
}

TEST_F(MiddleButton, DoubleClickCommandsByCtrlBeforeShift)
{
    struct Case {
        WORD keys;
        int option11, option12, option13;
        SandboxOperation expected;
    };
    const Case cases[] = {{0, 0, 1, 2, SandboxFitDrawing},
                          {MK_CONTROL, 0, 1, 2, SandboxScrollTo},
                          {MK_CONTROL | MK_SHIFT, 0, 0, 2, SandboxFitDrawing},
                          {MK_SHIFT, 0, 1, 2, SandboxScrollTo},
                          {0, 9, 1, 2, SandboxScrollTo}};
    for (const Case& c : cases) {
        sandbox_host_reset();
        PluginSettings.Option11 = c.option11;
        PluginSettings.Option12 = c.option12;
        PluginSettings.Option13 = c.option13;
        SessionState.MiddleTimerId = ClickTimer;
        SessionState.FirstClickX = SessionState.FirstClickY = 5;
        SessionState.MiddleLatch = 1;
        Deliver(WM_MBUTTONDOWN, MK_MBUTTON | c.keys, At(5, 5));
        EXPECT_EQ(Calls(c.expected), 1) << c.keys;
    }
}

TEST_F(MiddleButton, ScrollToOriginPassesExactlyTheOrigin)
{
    PluginSettings.Option13 = 2;
    SessionState.MiddleTimerId = ClickTimer;
    SessionState.FirstClickX = SessionState.FirstClickY = 5;
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, At(5, 5));
    ASSERT_EQ(Calls(SandboxScrollTo), 1);
    const SandboxCall& scroll = host->calls[host->callCount - 2];
    EXPECT_EQ(scroll.point.x, 0.0f);
    EXPECT_EQ(scroll.point.y, 0.0f);
    EXPECT_EQ(scroll.point.z, 0.0f);
}

TEST_F(MiddleButton, DeliveredOnceEveryPressActsAndNoRelease)
{
    ExpectConsume(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5)));
    ExpectConsume(Deliver(WM_MBUTTONUP, 0, At(5, 5)));
    ExpectConsume(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5)));
    ExpectConsume(Deliver(WM_MBUTTONUP, 0, At(5, 5)));
    EXPECT_EQ(Calls(SandboxFitDrawing), 1) << "the double click is still recognised";
    EXPECT_EQ(fake.Count("mouse_event"), 0) << "no release acted";
}

TEST_F(MiddleButton, AnActingReleaseEndsThePanAndTellsTheSiblingPlugin)
{
    SessionState.SavedCursor = reinterpret_cast<HCURSOR>(0x3131);
    SessionState.PanPressed = 1;
    SessionState.MiddleLatch = 1;
    ExpectConsume(Deliver(WM_MBUTTONUP, 0, At(-4, 7)));
    const std::vector<std::string> expected = {
        Call("KillTimer", Handle(Figure()), PanPollTimerId), Call("mouse_event", MOUSEEVENTF_LEFTUP, -4, 7),
        Call("keybd_event", VK_SPACE, 0, KEYEVENTF_KEYUP),
        Call("SetCursor", 0x3131), Call("FindWindowA", 0, 0, 0, "Z_Tarnhollow"),
        Call("PostMessageA", Handle(fake.sibling), 0x8001, 0)};
    EXPECT_EQ(fake.Sequence(), expected);
}

TEST_F(MiddleButton, AShortClickReleasesNothingItNeverPressedAndStillTellsTheSiblingPlugin)
{
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5));
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(5, 5));
    fake.calls.clear();
    Deliver(WM_MBUTTONUP, 0, At(5, 5));
    Deliver(WM_MBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(fake.Count("mouse_event"), 0);
    EXPECT_EQ(fake.Count("keybd_event"), 0);
    EXPECT_EQ(fake.Count("SetCursor"), 0) << "no pan yet: the cursor is the user's";
    EXPECT_EQ(fake.Count("PostMessageA"), 1);
    EXPECT_EQ(SessionState.MiddleTimerId, ClickTimer) << "the timer keeps waiting";
}

// Wherever and however the middle button goes up, and before any mode switch,
// a pan in progress lets go of its space key and left button, once, and shows
// the user's cursor again.
TEST_F(MiddleButton, ThePansInputIsReleasedOnceWhenTheMiddleButtonIsUpOrTheModeChanges)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        HWND target;
        int32_t mode;
        int32_t latch;
        int releasedAt;  // the left release's x and y, which carry no movement
    };
    const Case cases[] = {
        {"released over another window of the thread", WM_MBUTTONUP, 0, OtherWindow(), ModelingMode, 1, 3},
        {"released on the delivery the latch only blanks", WM_MBUTTONUP, 0, Figure(), ModelingMode, 0, 3},
        {"released after a switch to CameraMode", WM_MBUTTONUP, 0, Figure(), CameraMode, 1, 3},
        {"released outside, found up at the next move", WM_MOUSEMOVE, 0, OtherWindow(), ModelingMode, 1, 3},
        {"released outside, found up by the timer", WM_TIMER, ClickTimer, Figure(), ModelingMode, 1, 3},
        {"the NONCONVERT key to CameraMode", WM_KEYDOWN, 0x1D, Figure(), ModelingMode, 1, 0},
        {"the NONCONVERT key to ModelingMode", WM_KEYDOWN, 0x1D, Figure(), CameraMode, 1, 0},
    };
    for (const Case& c : cases) {
        SessionState.PanPressed = 1;
        SessionState.SavedCursor = reinterpret_cast<HCURSOR>(0x3131);
        SessionState.MiddleTimerId = ClickTimer;
        SessionState.Mode = c.mode;
        SessionState.MiddleLatch = c.latch;
        SessionState.KeyLatch = 1;
        fake.middleButtonState = c.message == WM_KEYDOWN ? static_cast<SHORT>(0x8000) : 0;
        fake.calls.clear();
        Deliver(c.message, c.wParam, At(3, 3), c.target);
        Deliver(c.message, c.wParam, At(3, 3), c.target);
        std::vector<std::string> inputAndCursor;
        for (const std::string& call : fake.Sequence()) {
            if (call.rfind("mouse_event", 0) == 0 || call.rfind("keybd_event", 0) == 0 ||
                call.rfind("SetCursor", 0) == 0)
                inputAndCursor.push_back(call);
        }
        const std::vector<std::string> released = {
            Call("mouse_event", MOUSEEVENTF_LEFTUP, c.releasedAt, c.releasedAt),
            Call("keybd_event", VK_SPACE, 0, KEYEVENTF_KEYUP), Call("SetCursor", 0x3131)};
        EXPECT_EQ(inputAndCursor, released) << c.what;
        EXPECT_EQ(SessionState.PanPressed, 0) << c.what;
    }
}

TEST_F(MiddleButton, ASecondBeginKeepsTheUsersCursorAndPressesNothingTwice)
{
    fake.middleButtonState = static_cast<SHORT>(0x8000);
    SessionState.MiddleTimerId = ClickTimer;
    Deliver(WM_TIMER, ClickTimer, At(1, 1));
    SessionState.MiddleTimerId = ClickTimer;
    Deliver(WM_TIMER, ClickTimer, At(1, 1));
    EXPECT_EQ(fake.Count("keybd_event"), 1);
    EXPECT_EQ(fake.Count("mouse_event"), 1);
    EXPECT_EQ(SessionState.SavedCursor, reinterpret_cast<HCURSOR>(0x777));
}

TEST_F(MiddleButton, NoSiblingWindowNoPost)
{
    fake.sibling = nullptr;
    Deliver(WM_MBUTTONUP, 0, At(5, 5));
    EXPECT_EQ(fake.Count("FindWindowA"), 1);
    EXPECT_EQ(fake.Count("PostMessageA"), 0);
}

TEST_F(MiddleButton, TheTimerWithTheButtonHeldBeginsThePanAndReachesTheHost)
{
    SessionState.MiddleTimerId = ClickTimer;
    fake.middleButtonState = static_cast<SHORT>(0x8000);
    ExpectKeep(Deliver(WM_TIMER, ClickTimer, At(11, 12)), WM_TIMER);
    const std::vector<std::string> expected = {Call("KillTimer", Handle(Figure()), ClickTimer),
                                               Call("keybd_event", VK_SPACE), Call("SetCursor", 0x9090),
                                               Call("SetCapture"), Call("mouse_event", MOUSEEVENTF_LEFTDOWN, 11, 12)};
    const std::vector<std::string> sequence = fake.Sequence();
    ASSERT_EQ(sequence.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(sequence.begin(), sequence.begin() + 5), expected);
    const SystemCall& poll = fake.calls.back();
    EXPECT_EQ(poll.name + std::to_string(poll.b), "SetTimer" + std::to_string(PanPollTimerId));
    EXPECT_LE(poll.c, 100) << "the pan's poll of the middle button, every 100 ms or less";
    EXPECT_EQ(SessionState.SavedCursor, reinterpret_cast<HCURSOR>(0x777));
    EXPECT_EQ(SessionState.MiddleTimerId, 0u);
}

// The pan's press, held for the figure window, clicks no other window, is never an orbit, and moves no later click.
TEST_F(MiddleButton, ThePansPressClicksNoOtherWindowIsNoOrbitAndMovesNoLaterClick)
{
    PluginSettings.PerspectiveOnly = 1, fake.middleButtonState = static_cast<SHORT>(0x8000);
    for (const HWND to : {OtherWindow(), Figure()}) {
        SessionState.Mode = to == Figure() ? CameraMode : ModelingMode, SessionState.MiddleTimerId = ClickTimer;
        PointerInTopPane(), Deliver(WM_TIMER, ClickTimer, At(11, 12)), PointerInPerspectivePane();
        fake.messageExtraInfo = fake.injectedExtraInfo, fake.queueStatus = to == Figure() ? 0 : MAKELONG(0, QS_MOUSEBUTTON);
        EXPECT_EQ(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 150), to).messageAfter == WM_NULL, to != Figure());
        Deliver(WM_MBUTTONUP, MK_LBUTTON, At(9, 9));  // the pan ends: the mouse held for its release, which is queued
        EXPECT_EQ(fake.capture, Figure());
        Deliver(WM_LBUTTONUP, 0, At(9, 9), to), fake.messageExtraInfo = 0;
        EXPECT_EQ(fake.capture, nullptr);
        EXPECT_EQ(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 20), Figure(), PM_NOREMOVE).lParamAfter, At(30, 20));
    }
    EXPECT_EQ(Calls(SandboxSetEye) + Calls(SandboxSetTarget), 0);
}

TEST_F(MiddleButton, TheTimerAfterTheButtonWasReleasedOnlyStops)
{
    SessionState.MiddleTimerId = ClickTimer;
    ExpectKeep(Deliver(WM_TIMER, ClickTimer), WM_TIMER);
    EXPECT_EQ(fake.Sequence(), std::vector<std::string>{Call("KillTimer", Handle(Figure()), ClickTimer)});
}

TEST_F(MiddleButton, OtherTimersPass)
{
    SessionState.MiddleTimerId = ClickTimer;
    ExpectPass(Deliver(WM_TIMER, 3), WM_TIMER);
    ExpectPass(Deliver(WM_TIMER, ClickTimer, 0, OtherWindow()), WM_TIMER);
    SessionState.MiddleTimerId = 0;
    ExpectPass(Deliver(WM_TIMER, 0), WM_TIMER);  // the host's own timer 0 is not ours
    EXPECT_EQ(fake.Count("KillTimer"), 0);
}

TEST_F(MiddleButton, TheTimerStopsAndPassesWhileTheCameraConditionHolds)
{
    SessionState.MiddleTimerId = ClickTimer;
    SessionState.Mode = CameraMode;
    fake.middleButtonState = static_cast<SHORT>(0x8000);
    ExpectPass(Deliver(WM_TIMER, ClickTimer), WM_TIMER);
    EXPECT_EQ(SessionState.MiddleTimerId, 0u);
    EXPECT_EQ(fake.Count("KillTimer"), 1);
    EXPECT_EQ(fake.Count("mouse_event") + fake.Count("keybd_event"), 0) << "nothing simulated over CameraMode's pane";
}

TEST_F(MiddleButton, AFailedTimerMakesTheNextPressAFirstClickAgain)
{
    fake.timerResult = 0;
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON);
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON);
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON);
    EXPECT_EQ(fake.Count("SetTimer"), 2);
    EXPECT_EQ(Calls(SandboxFitDrawing), 0);
}

TEST_F(MiddleButton, AMoveWithTheMiddleButtonAloneIsHiddenFromTheHostAndLeavesThePointerToTheHand)
{
    ExpectConsume(Deliver(WM_MOUSEMOVE, MK_MBUTTON, At(3, -2)));
    EXPECT_EQ(fake.Sequence(), std::vector<std::string>{});
    ExpectPass(Deliver(WM_MOUSEMOVE, MK_MBUTTON | MK_LBUTTON, At(3, -2)), WM_MOUSEMOVE);
    ExpectPass(Deliver(WM_MOUSEMOVE, MK_MBUTTON | MK_SHIFT, At(3, -2)), WM_MOUSEMOVE);
    ExpectPass(Deliver(WM_MOUSEMOVE, 0, At(3, -2)), WM_MOUSEMOVE);
}

// A drag out of the double-click rectangle (4 x 4 here, as by default)
// cannot become a double click: the pan begins at once, as the timer would
// have begun it.
TEST_F(MiddleButton, LeavingTheDoubleClickRectangleBeginsThePanAtOnce)
{
    struct Case {
        int x, y;
        SHORT middleButton;
        DWORD queue;  // a flick's release may wait behind the move
        bool timerStopped;
        bool panBegun;
    };
    const Case cases[] = {{101, 199, static_cast<SHORT>(0x8000), 0, false, false},
                          {99, 201, static_cast<SHORT>(0x8000), 0, false, false},
                          {102, 200, static_cast<SHORT>(0x8000), 0, true, true},
                          {100, 198, static_cast<SHORT>(0x8000), 0, true, true},
                          {90, 230, 0, 0, true, false},
                          {90, 230, 0, MAKELONG(0, QS_MOUSEBUTTON), true, true}};
    for (const Case& c : cases) {
        SessionState = SessionStateRecord{}, fake.capture = nullptr;
        SessionState.FigureWindow = Figure();
        SessionState.PanCursor = reinterpret_cast<HCURSOR>(0x9090);
        Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(100, 200));
        Deliver(WM_MBUTTONDOWN, MK_MBUTTON, At(100, 200));
        fake.middleButtonState = c.middleButton;
        fake.queueStatus = c.queue;
        fake.calls.clear();
        ExpectConsume(Deliver(WM_MOUSEMOVE, MK_MBUTTON, At(c.x, c.y)));
        ExpectConsume(Deliver(WM_MOUSEMOVE, MK_MBUTTON, At(c.x, c.y)));
        EXPECT_EQ(fake.Count("KillTimer"), c.timerStopped ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(SessionState.MiddleTimerId, c.timerStopped ? 0u : ClickTimer);
        EXPECT_EQ(fake.Count("mouse_event"), c.panBegun ? 1 : 0) << c.x << "," << c.y;
        if (c.panBegun) {
            const std::vector<std::string> begun = {Call("KillTimer", Handle(Figure()), ClickTimer),
                                                    Call("keybd_event", VK_SPACE), Call("SetCursor", 0x9090),
                                                    Call("SetCapture"), Call("mouse_event", MOUSEEVENTF_LEFTDOWN, c.x, c.y)};
            const std::vector<std::string> sequence = fake.Sequence();
            ASSERT_GE(sequence.size(), begun.size());
            EXPECT_EQ(std::vector<std::string>(sequence.begin(), sequence.begin() + 5), begun);
            // The host's pan pressed where the middle button went down and moved on to the pointer; then the user's.
            fake.messageExtraInfo = fake.injectedExtraInfo;
            EXPECT_EQ(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(c.x, c.y), Figure(), PM_NOREMOVE).lParamAfter, At(100, 200));
            const Delivery press = Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(c.x, c.y));
            EXPECT_EQ(press.lParamAfter, At(100, 200));
            EXPECT_EQ(std::make_pair(press.ptAfter.x, press.ptAfter.y), std::make_pair(100L - c.x, 200L - c.y));
            EXPECT_EQ(fake.Sequence().end()[-2], Call("PostMessageA", Handle(Figure()), WM_MOUSEMOVE, MK_LBUTTON + At(c.x, c.y)));
            fake.messageExtraInfo = 0;
            EXPECT_EQ(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(c.x, c.y)).lParamAfter, At(c.x, c.y));
        }
    }
}

TEST_F(MiddleButton, APressRecordsThePaneTestInEitherMode)
{
    PointerInPerspectivePane();
    EXPECT_EQ(Deliver(WM_LBUTTONDOWN, MK_LBUTTON, At(130, 140)).lParamAfter, At(130, 140)) << "no pan: left in place";
    EXPECT_EQ(SessionState.PressedInPerspective, 1);
    PointerInTopPane();
    Deliver(WM_MBUTTONDOWN, MK_MBUTTON);
    EXPECT_EQ(SessionState.PressedInPerspective, 0);
    ExpectReferencesBalanced();
}

TEST_F(MiddleButton, MessagesForOtherWindowsPass)
{
    ExpectPass(Deliver(WM_MBUTTONDOWN, MK_MBUTTON, 0, OtherWindow()), WM_MBUTTONDOWN);
    ExpectPass(Deliver(WM_MBUTTONUP, 0, 0, OtherWindow()), WM_MBUTTONUP);
    ExpectPass(Deliver(WM_MOUSEMOVE, MK_MBUTTON, 0, OtherWindow()), WM_MOUSEMOVE);
    EXPECT_EQ(SessionState.MiddleLatch, 1);
    EXPECT_EQ(host->callCount, 0);
}

}  // namespace
