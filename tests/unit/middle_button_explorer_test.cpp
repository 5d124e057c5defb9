// Every reachable state of the mouse buttons' machinery, the middle button's and the camera drags', visited once
// each, breadth first over what the user and the system can do, from each mode, perspective-only setting and
// pane; after every event the recorded system calls and what the host received are held against the invariants.

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>
#include <unordered_set>

#include "input/drag_capture.h"
#include "input/middle_click.h"
#include "input/mode_switch.h"
#include "tests/support/message_hook_fixture.h"

namespace {

enum Event { MiddleDown, MiddleUp, MiddleUpPolledFirst, LeftDown, LeftUp, RightDown, RightUp, MiddleDoubleClick,
             LeftDoubleClick, RightDoubleClick, MiddleDownElsewhere, MiddleUpElsewhere, MoveInside, MoveOutside,
             DoubleClickTimer, PanPoll, CaptureTaken, NonConvert, ModeButton, AttachmentEnds, EventCount };
const char* const EventNames[] = {"middle down", "middle up", "middle up, polled before its message", "left down",
                                  "left up", "right down", "right up", "middle double click", "left double click",
                                  "right double click", "middle down elsewhere", "middle up elsewhere", "move inside",
                                  "move outside", "double-click timer", "pan poll", "capture taken by another window",
                                  "NONCONVERT", "mode button", "attachment ends"};
struct Gesture { UINT message; int button, press; };
enum : int { L = MK_LBUTTON, R = MK_RBUTTON, M = MK_MBUTTON };
const Gesture Gestures[] = {{WM_MBUTTONDOWN, M, 1}, {WM_MBUTTONUP, M, 0}, {WM_MBUTTONUP, M, 0}, {WM_LBUTTONDOWN, L, 1},
    {WM_LBUTTONUP, L, 0}, {WM_RBUTTONDOWN, R, 1}, {WM_RBUTTONUP, R, 0}, {WM_MBUTTONDBLCLK, M, 1},
    {WM_LBUTTONDBLCLK, L, 1}, {WM_RBUTTONDBLCLK, R, 1}, {0, M, 1}, {0, M, 0}};  // elsewhere: no message

// Beside the plug-in's record: the pointer at one of three places further apart than the double-click
// rectangle, the third in the other pane, or over another program's window, which the hook never sees.
struct World {
    int perspectiveOnly, inPerspective, place, elsewhere, held, clickTimer, pollTimer, userCursorShown;
    int pressed;  // the simulated space key and primary button
    int firstWaits;  // a ModelingMode press over the figure waits for its second
    int firstPlace;  // where a press was that a second one there would make a double click, or -1
    int swapped, captured, alphabet;  // the left-handed setting
    int cameraHeld, lost;  // the buttons held from a camera press; those held when another window took the mouse
    int hostHeld, hostPressedLast;  // buttons the host got the press of and not yet the release; or the last press
};

struct State {
    SessionStateRecord session;
    World world;
    std::string path;
};

using MiddleButtonExplorer = MessageHookTest;

TEST_F(MiddleButtonExplorer, EveryReachableStateKeepsTheInvariants)
{
    const HCURSOR userCursor = fake.currentCursor;
    PluginSettings.Option1 = PluginSettings.Option3 = 3;  // the left and middle drags orbit about the selection
    const auto inCameraPane = [](const World& w) {
        return SessionState.Mode == CameraMode && (!w.perspectiveOnly || (w.place < 2) == (w.inPerspective != 0));
    };
    // The event done to the world and the hook; false where it cannot happen, or is not in the world's alphabet:
    // two keep the walk small, the middle button's machinery with the pan, and every button with the capture and
    // moves in place. The system refuses the timer of a press at the second place while a first click waits.
    const auto apply = [&](Event e, World& w, UINT& received) {
        const Gesture g = e < MoveInside ? Gestures[e] : Gesture{e <= MoveOutside ? WM_MOUSEMOVE : 0u, 0, 0};
        const bool elsewhere = e == MiddleDownElsewhere || e == MiddleUpElsewhere;
        const bool everyButton = (e >= RightDown && e <= RightDoubleClick) || e == CaptureTaken;
        if ((w.alphabet ? elsewhere || (e > MoveInside && e < CaptureTaken) : everyButton) ||
            (g.button && ((w.held & g.button) != 0) == (g.press != 0)) || (w.elsewhere && e <= RightDoubleClick) ||
            (elsewhere && w.captured) || (e == DoubleClickTimer && !w.clickTimer) || (e == PanPoll && !w.pollTimer) ||
            (e == CaptureTaken && !w.captured))
            return false;  // with the capture, a release over another program comes to the figure window
        w.held = g.press ? w.held | g.button : w.held & ~g.button;
        w.elsewhere = elsewhere || (w.elsewhere && e >= DoubleClickTimer);
        w.place = e == MoveOutside ? (w.place + 1) % 3 : w.place;
        fake.timerResult = g.press && w.place == 1 && w.clickTimer ? 0 : 1;
        const POINT places[2][3] = {{{30, 30}, {70, 30}, {150, 150}}, {{130, 130}, {170, 130}, {30, 30}}};
        fake.pointer = places[w.inPerspective][w.place];  // in the fixture's top and perspective panes
        fake.middleButtonState = w.held & M ? static_cast<SHORT>(0x8000) : 0;
        if (e == MiddleUpPolledFirst && w.pollTimer) {  // the button is up and its release queued
            fake.queueStatus = MAKELONG(0, QS_MOUSEBUTTON);
            Deliver(WM_TIMER, PanPollTimerId);
            fake.queueStatus = 0;
        }
        if (g.message != 0) {  // peeked, then removed, as the host does; a lost button's release goes elsewhere
            const WPARAM keys = w.held | (w.pressed ? MK_LBUTTON : 0);
            const HWND to = g.press || !(w.lost & g.button) ? Figure() : OtherWindow();
            Deliver(g.message, keys, At(fake.pointer.x, fake.pointer.y), to, PM_NOREMOVE);
            const Delivery removed = Deliver(g.message, keys, At(fake.pointer.x, fake.pointer.y), to);
            received = removed.lParamAfter == At(fake.pointer.x, fake.pointer.y) ? removed.messageAfter : ~0u;
        } else if (e == DoubleClickTimer || e == PanPoll) {
            Deliver(WM_TIMER, e == PanPoll ? PanPollTimerId : DoubleClickTimerId);
        } else if (e == CaptureTaken) {
            fake.capture = OtherWindow();
            FigureCaptureLost();
        } else if (e == NonConvert) {
            Deliver(WM_KEYDOWN, 0x1D, 0x007B0001);
            Deliver(WM_KEYUP, 0x1D, static_cast<LPARAM>(0xC07B0001u));
        } else if (e == ModeButton || e == AttachmentEnds) {
            e == ModeButton ? ToggleMode() : EndGestures();
        }
        return true;
    };
    // The invariants after event e, which took the world from `before` to w.
    const auto check = [&](Event e, const World& before, World& w, UINT received) -> std::string {
        int space = 0, leftButton = 0, simulatedPress = 0, posts = 0;  // to the sibling plug-in
        for (const SystemCall& call : fake.calls) {
            if (call.name == "mouse_event" && (call.a & MOUSEEVENTF_MOVE))
                return "the pointer moved by injected input";
            space += call.name != "keybd_event" ? 0 : call.c == KEYEVENTF_KEYUP ? -1 : 1;
            const long long press = w.swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;  // release: twice press
            leftButton += call.name != "mouse_event" ? 0 : call.a == press ? 1 : call.a == press * 2 ? -1 : 9;
            posts += call.name == "PostMessageA" && call.a == reinterpret_cast<long long>(fake.sibling);
            simulatedPress |= call.name == "keybd_event" && call.c == 0;
        }
        const Gesture g = e <= RightDoubleClick ? Gestures[e] : Gesture{0, 0, 0};
        if (received == ~0u)
            return "the host got the user's press or release away from where it was made";
        if ((g.press && e >= MiddleDoubleClick &&
             (received == g.message) != ((before.hostPressedLast & g.button) && !inCameraPane(w))) ||
            (g.button && !g.press && (received != WM_NULL) != (((before.hostHeld | before.lost) & g.button) != 0)))
            return "the host got a lone double click or not the one after its press, a release without its press, "
                   "or not the release of its press";
        w.hostHeld = !received ? w.hostHeld : g.press ? w.hostHeld | g.button : w.hostHeld & ~g.button;
        w.hostPressedLast = !g.press ? w.hostPressedLast : (w.hostPressedLast & ~g.button) | (received ? g.button : 0);
        w.cameraHeld = g.press && inCameraPane(w) ? w.cameraHeld | g.button : w.cameraHeld & w.held;
        w.lost = e == CaptureTaken ? w.cameraHeld : g.press ? 0 : w.lost & w.held;
        w.captured = fake.capture == Figure();
        if ((w.captured ? !w.held : g.press && inCameraPane(w)) || (e == CaptureTaken && fake.capture != OtherWindow()))
            return "the mouse held with every button up, not held from a camera press, or taken from another window";
        w.pressed += space;
        w.clickTimer = fake.timers.count(DoubleClickTimerId) != 0;
        w.pollTimer = fake.timers.count(PanPollTimerId) != 0;
        w.userCursorShown = fake.currentCursor == userCursor;
        const bool doubleClick = Calls(SandboxFitDrawing) != 0, panEnded = before.pressed && !w.pressed;
        const bool middlePress = e == MiddleDown || e == MiddleDoubleClick;
        if (doubleClick && !(middlePress && w.firstPlace == w.place))
            return "a double click without two presses inside the rectangle";
        w.firstWaits = middlePress ? !doubleClick && !inCameraPane(w)
                                   : w.firstWaits && !simulatedPress && e != DoubleClickTimer && e < NonConvert;
        if (middlePress || e == DoubleClickTimer)
            w.firstPlace = middlePress && !doubleClick ? w.place : -1;
        if (space != leftButton || w.pressed < 0 || w.pressed > 1)
            return "the simulated space key and primary button out of step, or pressed twice";
        if (w.pressed && !(w.held & M) && (!w.pollTimer || e == PanPoll || e == MiddleUp || e == MiddleUpPolledFirst))
            return "the pan's input still pressed with the middle button up";
        if (w.pollTimer != w.pressed || (!w.pressed && !w.userCursorShown))
            return "the poll without a pan, a pan without the poll, or the pan's cursor left";
        if (posts > 1 || (panEnded && posts != 1) || (posts && !panEnded && e != MiddleUp && e != MiddleUpPolledFirst))
            return "a pan's end told other than once, or a post without a release";
        if ((simulatedPress && inCameraPane(w)) || (e == MoveInside && w.lost && host->callCount))
            return "input simulated over CameraMode's pane, or a drag's move acted after another window took the mouse";
        if (e == MoveInside && inCameraPane(w) && (SessionState.CameraDragButtons & ~w.held))
            return "a move over CameraMode's pane left a cancelled drag holding a button let go unseen";
        if (w.clickTimer && (!w.firstWaits || SessionState.MiddleTimerId == 0))
            return "the double-click timer runs with no first click waiting, or none to take its messages";
        if (e == AttachmentEnds && (w.clickTimer || w.pollTimer || w.pressed || w.captured))
            return "a timer, the pan's input or the capture left after the attachment ended";
        if (g.message && g.press && SessionState.OrbitPivotTaken != (inCameraPane(w) && g.button != R))
            return "a press kept the last drag's pivot, or a camera press set to orbit about the selection took none";
        return "";
    };
    // Only the camera's drags read the fields left out; the world's hostPressedLast: PressesWithHost.
    const auto key = [](const State& s) {
        SessionStateRecord session;
        std::memcpy(&session, &s.session, sizeof session);
        session.UndoCamera = session.MemoryCamera = CameraSnapshot{};
        session.LastMouseX = session.LastMouseY = session.OrbitVerticalSign = session.PressesWithHost = 0;
        return std::string(reinterpret_cast<const char*>(&session), sizeof session) +
               std::string(reinterpret_cast<const char*>(&s.world), sizeof s.world);
    };

    std::deque<State> queue;
    std::unordered_set<std::string> seen;
    for (int start = 0; start < 16; ++start) {
        // The left-handed setting with the starts in the perspective pane.
        const int perspective = (start >> 2) & 1;
        State s{{}, World{start & 1, perspective, 0, 0, 0, 0, 0, 1, 0, 0, -1, perspective, 0, start >> 3, 0, 0, 0, 0},
                std::string(start & 2 ? "CameraMode" : "ModelingMode") + (start & 1 ? ", perspective only" : "") +
                    (start & 4 ? ", perspective pane, buttons swapped" : ", top pane")};
        std::memcpy(&s.session, &SessionState, sizeof SessionState);
        s.session.Mode = start & 2 ? CameraMode : ModelingMode;
        if (seen.insert(key(s)).second)
            queue.push_back(s);
    }
    int pans = 0, doubleClicks = 0;
    for (; !queue.empty(); queue.pop_front()) {
        const State& from = queue.front();
        for (int e = 0; e < EventCount; ++e) {
            std::memcpy(&SessionState, &from.session, sizeof SessionState);
            PluginSettings.PerspectiveOnly = from.world.perspectiveOnly;
            fake.timers.clear();
            fake.capture = from.world.captured ? Figure() : nullptr;
            fake.swapButtons = from.world.swapped;
            if (from.world.clickTimer)
                fake.timers.insert(DoubleClickTimerId);
            if (from.world.pollTimer)
                fake.timers.insert(PanPollTimerId);
            fake.currentCursor = from.world.userCursorShown ? userCursor : SessionState.PanCursor;
            fake.calls.clear();
            host->callCount = 0;
            State to{{}, from.world, from.path + " / " + EventNames[e]};
            UINT received = WM_NULL;
            if (!apply(static_cast<Event>(e), to.world, received))
                continue;
            ASSERT_EQ(check(static_cast<Event>(e), from.world, to.world, received), "") << "after: " << to.path;
            pans += to.world.pressed > from.world.pressed;
            doubleClicks += Calls(SandboxFitDrawing);
            std::memcpy(&to.session, &SessionState, sizeof SessionState);
            if (e != AttachmentEnds && seen.insert(key(to)).second)
                queue.push_back(to);
        }
    }
    std::printf("[ explorer ] %zu states, %d pans begun, %d double clicks\n", seen.size(), pans, doubleClicks);
    EXPECT_GT(pans, 0);
    EXPECT_GT(doubleClicks, 0);
}

}  // namespace
