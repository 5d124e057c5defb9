// The real hook on the real user-interface thread: messages posted to the
// sandbox host's figure window or injected as input, retrieved through the
// host's peeking message loop or by hand.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <thread>

#include "input/middle_click.h"
#include "input/mode_switch.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/injected_input.h"
#include "state/settings.h"
#include "tests/windows/attached_host.h"

namespace {

class MessageHookEndToEnd : public AttachedHostTest {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        Attach();
        ASSERT_NE(SessionState.HookHandle, nullptr);
        ASSERT_EQ(SessionState.FigureWindow, windows.figure);
        PumpMessages();
        host->callCount = 0;
    }

    POINT FigureCentre() const
    {
        RECT rect;
        GetWindowRect(windows.figure, &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    void PostWheel(int delta)
    {
        const POINT centre = FigureCentre();
        PostMessageA(windows.figure, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                     MAKELPARAM(centre.x, centre.y));
    }

    static bool SpaceOrLeftDown() { return GetAsyncKeyState(VK_SPACE) < 0 || GetAsyncKeyState(VK_LBUTTON) < 0; }

    void PointAtFigure()
    {
        SetForegroundWindow(windows.main);
        const POINT centre = FigureCentre();
        SetCursorPos(centre.x, centre.y);
        PumpMessages();
    }
};

TEST_F(MessageHookEndToEnd, APostedWheelMessageSeenTwiceZoomsOnce)
{
    PostWheel(-120);
    PumpMessages();
    EXPECT_EQ(Calls(SandboxZoomInAt), 1);
    EXPECT_EQ(SessionState.MiddleLatch, 1);
    PostWheel(120);
    PumpMessages();
    EXPECT_EQ(Calls(SandboxZoomOutAt), 1);
    ExpectReferencesBalanced();
}

TEST_F(MessageHookEndToEnd, TheCameraWheelSeenTwiceActsOnce)
{
    EnterCameraMode();
    PostWheel(120);
    PumpMessages();
    EXPECT_EQ(Calls(SandboxSetEye), 1);
    EXPECT_NEAR(host->eye.z, 10.0f * 1.01f, 1e-4f);
}

TEST_F(MessageHookEndToEnd, APeekedMessageActsAndTheRemovedOneIsBlank)
{
    PostMessageA(windows.figure, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(20, 20));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, windows.figure, WM_MBUTTONDOWN, WM_MBUTTONDOWN, PM_NOREMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_NULL)) << "the hook blanks the peeked copy";
    EXPECT_EQ(SessionState.MiddleTimerId, DoubleClickTimerId) << "and acts on it: the double-click timer runs";
    ASSERT_TRUE(PeekMessageA(&message, windows.figure, WM_MBUTTONDOWN, WM_MBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_NULL));
    EXPECT_EQ(SessionState.MiddleLatch, 1) << "the second delivery only blanked";
    KillTimer(windows.figure, DoubleClickTimerId);
    SessionState.MiddleTimerId = 0;
}

TEST_F(MessageHookEndToEnd, TheNonConvertKeySwitchesTheModeAndTheWindowSize)
{
    ASSERT_EQ(SessionState.Mode, ModelingMode);
    EXPECT_EQ(ClientSize(SessionState.ControlWindow).cx, 44);
    PostMessageA(windows.figure, WM_KEYDOWN, 0x1D, 0x007B0001);
    PostMessageA(windows.figure, WM_KEYUP, 0x1D, static_cast<LPARAM>(0xC07B0001u));
    PumpMessages();
    EXPECT_EQ(SessionState.Mode, CameraMode);
    EXPECT_EQ(ClientSize(SessionState.ControlWindow).cx, 250);
    PostMessageA(windows.main, WM_KEYDOWN, 0x1D, 0x007B0001);
    PumpMessages();
    EXPECT_EQ(SessionState.Mode, ModelingMode) << "from any window of the thread";
    EXPECT_EQ(ClientSize(SessionState.ControlWindow).cx, 44);
}

TEST_F(MessageHookEndToEnd, ARealMiddleDoubleClickFitsTheDrawing)
{
    PointAtFigure();
    // A view class that asks for double clicks gets the second press as WM_MBUTTONDBLCLK; the host's timer ticks on.
    SetClassLongPtrA(windows.figure, GCL_STYLE, GetClassLongPtrA(windows.figure, GCL_STYLE) | CS_DBLCLKS);
    const int ticks = HostViewTimerTicks();
    for (int click = 0; click < 2; ++click) {
        mouse_event(MOUSEEVENTF_MIDDLEDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_MIDDLEUP, 0, 0, 0, 0);
    }
    EXPECT_TRUE(PumpUntil([&] { return Calls(SandboxFitDrawing) == 1; }));
    EXPECT_EQ(SessionState.MiddleTimerId, 0u);
    EXPECT_TRUE(PumpUntil([&] { return HostViewTimerTicks() >= ticks + 3; })) << "the host's timer stopped";
    ExpectReferencesBalanced();
}

TEST_F(MessageHookEndToEnd, HoldingTheMiddleButtonPansWithTheHostsSpaceAndLeftDrag)
{
    PointAtFigure();
    const SpacePanCounters before = FigureWindowSpacePans();
    const int notified = TarnhollowNotifications();
    mouse_event(MOUSEEVENTF_MIDDLEDOWN, 0, 0, 0, 0);
    // After the double-click time the timer begins the pan; the simulated
    // space and left press come back as input to the figure window.
    ASSERT_TRUE(PumpUntil([&] { return FigureWindowSpacePans().leftDownsWithSpace > before.leftDownsWithSpace; }));
    EXPECT_GE(FigureWindowTimerMessages(), 1) << "the plug-in's timer reached the window";
    mouse_event(MOUSEEVENTF_MOVE, 5, 3, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return FigureWindowSpacePans().movesWithSpaceAndLeft > before.movesWithSpaceAndLeft; }));
    mouse_event(MOUSEEVENTF_MIDDLEUP, 0, 0, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return TarnhollowNotifications() == notified + 1; }));
    EXPECT_TRUE(PumpUntil([&] { return GetKeyState(VK_SPACE) >= 0 && GetKeyState(VK_LBUTTON) >= 0; }))
        << "space and left button released again";
}

// A middle drag as a user makes it: pressed over the figure window and moved
// at once, then ended in one of the ways a user ends it. The pointer goes
// where the hand takes it, the host pans without waiting for the
// double-click time, and afterwards nothing simulated is held down.
TEST_F(MessageHookEndToEnd, AMiddleDragPansAtOnceAndLeavesNothingPressedHoweverItEnds)
{
    RECT frame{};
    GetWindowRect(windows.main, &frame);
    const POINT outsideTheHost = {frame.right + 60, frame.bottom + 60};
    // Another program's window, as the hook sees it: one of another thread.
    const POINT overOtherProgram = {frame.right + 60, frame.top + 60};
    std::atomic<HWND> other{nullptr};
    std::thread otherThread([&] {
        other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, overOtherProgram.x - 30,
                                overOtherProgram.y - 30, 60, 60, nullptr, nullptr, nullptr, nullptr);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
            DispatchMessageA(&message);
    });
    for (int turn = 0; turn < 1000 && other == nullptr; ++turn)
        Sleep(5);
    if (other == nullptr)
        otherThread.detach();
    ASSERT_NE(other.load(), nullptr) << "the other program's window never came";
    struct Case {
        const char* what;
        std::function<void()> end;
        bool cameraModeOverTheTopPane = false;  // with the perspective-only setting
        std::function<void(POINT)> before = [](POINT) {};  // given where the drag will start
        bool hostPans = true;  // CameraMode's own pan otherwise
    };
    const Case cases[] = {
        {"released over the figure window", [] { SendButton(MOUSEEVENTF_MIDDLEUP); }},
        {"released over the host's status bar",
         [&] {
             RECT bar{};
             GetWindowRect(windows.statusBar, &bar);
             MovePointerTo(Centre(bar));
             PumpMessages();
             SendButton(MOUSEEVENTF_MIDDLEUP);
         }},
        {"released outside the host, then back over the figure window",
         [&] {
             MovePointerTo(outsideTheHost);
             PumpMessages();
             SendButton(MOUSEEVENTF_MIDDLEUP);
             PumpMessages();
             MovePointerTo(FigureCentre());
         }},
        {"NONCONVERT while panning, then released",
         [] {
             SendKey(0x1D, false);
             SendKey(0x1D, true);
             PumpMessages();
             SendButton(MOUSEEVENTF_MIDDLEUP);
         }},
        {"CameraMode over the top pane with the perspective-only setting, released there",
         [] { SendButton(MOUSEEVENTF_MIDDLEUP); }, true},
        {"released over another program's window, with the host not holding the mouse",
         [&] {
             ReleaseCapture();
             MovePointerTo(overOtherProgram);
             SendButton(MOUSEEVENTF_MIDDLEUP);
         }},
        {"a middle click 360 px away just before", [] { SendButton(MOUSEEVENTF_MIDDLEUP); }, false,
         [](POINT from) { ClickAt(POINT{from.x - 360, from.y}, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP); }},
        {"a middle click, NONCONVERT at once, then the drag in CameraMode", [] { SendButton(MOUSEEVENTF_MIDDLEUP); },
         false,
         [](POINT from) {
             ClickAt(from, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
             SendKey(0x1D, false);
             SendKey(0x1D, true);
             PumpUntil([] { return false; }, GetDoubleClickTime() * 2);
         },
         false},
        {"CameraMode, let go outside", [&] { MovePointerTo(outsideTheHost); SendButton(MOUSEEVENTF_MIDDLEUP); },
         false, [](POINT) { EnterCameraMode(); }, false},
        {"CameraMode, the name box takes the mouse and lets it go, then moves with the button held",
         [&] {
             const SandboxPoint target = host->target;
             SetCapture(windows.nameBox);
             ReleaseCapture();
             MovePointerTo(POINT{FigureCentre().x + 30, FigureCentre().y});
             PumpMessages();
             EXPECT_EQ(std::memcmp(&host->target, &target, sizeof target), 0) << "the drag went on without the mouse";
             SendButton(MOUSEEVENTF_MIDDLEUP);
         },
         false, [](POINT) { EnterCameraMode(); }, false},
    };
    for (const Case& c : cases) {
        PluginSettings.PerspectiveOnly = c.cameraModeOverTheTopPane ? 1 : 0;
        if (c.cameraModeOverTheTopPane)
            EnterCameraMode();
        else
            EnterModelingMode();
        PointAtFigure();
        SetFocus(windows.nameBox);  // one of the host's own fields has the keyboard
        RECT figure{};
        GetWindowRect(windows.figure, &figure);
        const POINT from = c.cameraModeOverTheTopPane
                               ? POINT{figure.left + (figure.right - figure.left) / 8,
                                       figure.top + (figure.bottom - figure.top) / 8}
                               : FigureCentre();
        const int timerMessages = FigureWindowTimerMessages();
        const int fits = Calls(SandboxFitDrawing);
        c.before(from);
        MovePointerTo(from);
        PumpMessages();
        const SpacePanCounters before = FigureWindowSpacePans();
        const SandboxPoint target = host->target;
        SendButton(MOUSEEVENTF_MIDDLEDOWN);
        for (int move = 1; move <= 4; ++move) {
            MovePointerTo(POINT{from.x + 10 * move, from.y + 6 * move});
            PumpMessages();
        }
        EXPECT_EQ(PumpUntil([&] { return FigureWindowSpacePans().leftDownsWithSpace > before.leftDownsWithSpace; },
                            c.hostPans ? 3000 : 300),
                  c.hostPans)
            << c.what << ": the host's pan";
        EXPECT_EQ(std::memcmp(&host->target, &target, sizeof target) != 0, !c.hostPans) << c.what << ": camera pan";
        EXPECT_EQ(FigureWindowTimerMessages(), timerMessages) << c.what << ": a double-click timer fired";
        EXPECT_EQ(Calls(SandboxFitDrawing), fits) << c.what << ": a double click";
        POINT pointer{};
        GetCursorPos(&pointer);
        EXPECT_EQ(pointer.x, from.x + 40) << c.what << ": the pointer left the hand";
        EXPECT_EQ(pointer.y, from.y + 24) << c.what;
        if (!c.hostPans) {  // a camera drag goes on outside the window and comes back without a jump
            const SandboxPoint left = host->target;
            const auto moved = [&] { return std::fabs(host->target.x - left.x) + std::fabs(host->target.y - left.y); };
            MovePointerTo(outsideTheHost);
            EXPECT_TRUE(PumpUntil([&] { return moved() > 1e-3f; }, 300)) << c.what << ": stopped at the window's edge";
            MovePointerTo(pointer);
            EXPECT_TRUE(PumpUntil([&] { return moved() < 1e-3f; }, 300)) << c.what << ": a jump on the way back";
        }
        c.end();
        EXPECT_TRUE(PumpUntil([] { return !SpaceOrLeftDown(); })) << c.what << ": space or left still held";
        EXPECT_TRUE(PumpUntil([] { return GetCapture() == nullptr; })) << c.what << ": the mouse still held";
        EXPECT_EQ(GetWindowTextLengthA(windows.nameBox), 5) << c.what << ": the pan typed into the host's field";
    }
    PluginSettings.PerspectiveOnly = 0;
    EnterModelingMode();
    PostMessageA(other, WM_QUIT, 0, 0);
    otherThread.join();
}

}  // namespace
