// Every reachable state of the middle-button machinery, visited once each, breadth first over what the user
// and the system can do, from each mode, perspective-only setting and pane; after every event the recorded
// system calls are held against the invariants.

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <set>
#include <string>

#include "input/middle_pan.h"
#include "input/mode_switch.h"
#include "tests/support/message_hook_fixture.h"

namespace {

enum Event { MiddleDown, MiddleUp, MiddleUpPolledFirst, MiddleDownElsewhere, MiddleUpElsewhere, LeftDown, LeftUp,
             MoveInside, MoveOutside, DoubleClickTimer, PanPoll, NonConvert, ModeButton, AttachmentEnds, EventCount };
const char* const EventNames[] = {"middle down", "middle up", "middle up, polled before its message",
                                  "middle down elsewhere", "middle up elsewhere", "left down", "left up", "move inside",
                                  "move outside", "double-click timer", "pan poll", "NONCONVERT", "mode button",
                                  "attachment ends"};

// Beside the plug-in's record: the pointer at one of three places further apart than the double-click
// rectangle, the third in the other pane, or over another program's window, which the hook never sees.
struct World {
    int perspectiveOnly, inPerspective, place, elsewhere, middle, left, clickTimer, pollTimer, userCursorShown;
    int pressed;  // the simulated space key and left button
    int firstWaits;  // a ModelingMode press over the figure waits for its second
    int firstPlace;  // where a press was that a second one there would make a double click, or -1
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
    const UINT messages[] = {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONUP, 0, 0, WM_LBUTTONDOWN, WM_LBUTTONUP,
                             WM_MOUSEMOVE, WM_MOUSEMOVE};
    const auto inCameraPane = [](const World& w) {
        return SessionState.Mode == CameraMode && (!w.perspectiveOnly || (w.place < 2) == (w.inPerspective != 0));
    };
    // The event done to the world and the hook; false where it cannot happen.
    const auto apply = [&](Event e, World& w) {
        const bool press = e == MiddleDown || e == MiddleDownElsewhere || e == LeftDown;
        const bool middleButton = e <= MiddleUpElsewhere, leftButton = e == LeftDown || e == LeftUp;
        if ((middleButton && w.middle == press) || (leftButton && w.left == press) ||
            (w.elsewhere && e <= LeftUp && e != MiddleDownElsewhere && e != MiddleUpElsewhere) ||
            (e == DoubleClickTimer && !w.clickTimer) || (e == PanPoll && !w.pollTimer))
            return false;
        w.middle = middleButton ? press : w.middle;
        w.left = leftButton ? press : w.left;
        w.elsewhere = e == MiddleDownElsewhere || e == MiddleUpElsewhere || (w.elsewhere && e >= DoubleClickTimer);
        w.place = e == MoveOutside ? (w.place + 1) % 3 : w.place;
        const POINT places[2][3] = {{{30, 30}, {70, 30}, {150, 150}}, {{130, 130}, {170, 130}, {30, 30}}};
        fake.pointer = places[w.inPerspective][w.place];  // in the fixture's top and perspective panes
        fake.middleButtonState = w.middle ? static_cast<SHORT>(0x8000) : 0;
        if (e == MiddleUpPolledFirst && w.pollTimer) {  // the button is up and its release queued
            fake.queueStatus = MAKELONG(0, QS_MOUSEBUTTON);
            Deliver(WM_TIMER, PanPollTimerId);
            fake.queueStatus = 0;
        }
        if (e <= MoveOutside && messages[e] != 0) {  // peeked, then removed, as the host does
            const WPARAM keys = (w.middle ? MK_MBUTTON : 0) | (w.left || w.pressed ? MK_LBUTTON : 0);
            Deliver(messages[e], keys, At(fake.pointer.x, fake.pointer.y), Figure(), PM_NOREMOVE);
            Deliver(messages[e], keys, At(fake.pointer.x, fake.pointer.y));
        } else if (e == DoubleClickTimer || e == PanPoll) {
            Deliver(WM_TIMER, e == PanPoll ? PanPollTimerId : 2);
        } else if (e == NonConvert) {
            Deliver(WM_KEYDOWN, 0x1D, 0x007B0001);
            Deliver(WM_KEYUP, 0x1D, static_cast<LPARAM>(0xC07B0001u));
        } else if (e == ModeButton || e == AttachmentEnds) {
            e == ModeButton ? ToggleMode() : EndMiddleButtonUse();
        }
        return true;
    };
    // The invariants after event e, which took the world from `before` to w.
    const auto check = [&](Event e, const World& before, World& w) -> std::string {
        int space = 0, leftButton = 0, simulatedPress = 0;
        for (const SystemCall& call : fake.calls) {
            if (call.name == "mouse_event" && (call.a & MOUSEEVENTF_MOVE))
                return "the pointer moved by injected input";
            space += call.name != "keybd_event" ? 0 : call.c == KEYEVENTF_KEYUP ? -1 : 1;
            leftButton += call.name != "mouse_event" ? 0 : call.a == MOUSEEVENTF_LEFTUP ? -1 : 1;
            simulatedPress |= call.name == "keybd_event" && call.c == 0;
        }
        w.pressed += space;
        w.clickTimer = fake.timers.count(2) != 0;
        w.pollTimer = fake.timers.count(PanPollTimerId) != 0;
        w.userCursorShown = fake.currentCursor == userCursor;
        const bool doubleClick = Calls(SandboxFitDrawing) != 0, panEnded = before.pressed && !w.pressed;
        const int posts = fake.Count("PostMessageA");
        if (doubleClick && !(e == MiddleDown && w.firstPlace == w.place))
            return "a double click without two presses inside the rectangle";
        w.firstWaits = e == MiddleDown ? !doubleClick && !inCameraPane(w)
                                       : w.firstWaits && !simulatedPress && e != DoubleClickTimer && e < NonConvert;
        if (e == MiddleDown || e == DoubleClickTimer)
            w.firstPlace = e == MiddleDown && !doubleClick ? w.place : -1;
        if (space != leftButton || w.pressed < 0 || w.pressed > 1)
            return "the simulated space key and left button out of step, or pressed twice";
        if (w.pressed && !w.middle && (!w.pollTimer || e == PanPoll || e == MiddleUp || e == MiddleUpPolledFirst))
            return "the pan's input still pressed with the middle button up";
        if (w.pollTimer != w.pressed || (!w.pressed && !w.userCursorShown))
            return "the poll without a pan, a pan without the poll, or the pan's cursor left";
        if (posts > 1 || (panEnded && posts != 1) || (posts && !panEnded && e != MiddleUp && e != MiddleUpPolledFirst))
            return "a pan's end told other than once, or a post without a release";
        if (simulatedPress && inCameraPane(w))
            return "input simulated over CameraMode's pane";
        if (w.clickTimer && !w.firstWaits)
            return "the double-click timer runs with no first click waiting";
        if (e == AttachmentEnds && (w.clickTimer || w.pollTimer || w.pressed))
            return "a timer or the pan's input left after the attachment ended";
        return "";
    };
    // Only the camera's drags and the endings of left and right releases read the fields left out.
    const auto key = [](const State& s) {
        SessionStateRecord session;
        std::memcpy(&session, &s.session, sizeof session);
        session.UndoCamera = session.MemoryCamera = CameraSnapshot{};
        session.LastMouseX = session.LastMouseY = session.OrbitVerticalSign = session.PressesWithHost = 0;
        return std::string(reinterpret_cast<const char*>(&session), sizeof session) +
               std::string(reinterpret_cast<const char*>(&s.world), sizeof s.world);
    };

    std::deque<State> queue;
    std::set<std::string> seen;
    for (int start = 0; start < 8; ++start) {
        State s{{}, World{start & 1, start >> 2, 0, 0, 0, 0, 0, 0, 1, 0, 0, -1},
                std::string(start & 2 ? "CameraMode" : "ModelingMode") + (start & 1 ? ", perspective only" : "") +
                    (start >> 2 ? ", perspective pane" : ", top pane")};
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
            if (from.world.clickTimer)
                fake.timers.insert(2);
            if (from.world.pollTimer)
                fake.timers.insert(PanPollTimerId);
            fake.currentCursor = from.world.userCursorShown ? userCursor : SessionState.PanCursor;
            fake.calls.clear();
            host->callCount = 0;
            State to{{}, from.world, from.path + " / " + EventNames[e]};
            if (!apply(static_cast<Event>(e), to.world))
                continue;
            ASSERT_EQ(check(static_cast<Event>(e), from.world, to.world), "") << "after: " << to.path;
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
