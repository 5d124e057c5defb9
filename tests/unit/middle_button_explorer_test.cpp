// Every reachable state of the middle-button machinery, visited once each,
// breadth first over a small alphabet of what a user and the system do, with
// the system calls recorded; after every event the invariants are checked.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <set>
#include <string>

#include "input/middle_pan.h"
#include "input/mode_switch.h"
#include "tests/support/message_hook_fixture.h"

namespace {

enum Event { MiddleDown, MiddleUp, MiddleDownElsewhere, MiddleUpElsewhere, MoveInside, MoveOutside, DoubleClickTimer,
             PanPoll, NonConvert, ModeButton, LeftDown, LeftUp, AttachmentEnds, EventCount };
const char* const EventNames[] = {"middle down", "middle up", "middle down elsewhere", "middle up elsewhere",
                                  "move inside", "move outside", "double-click timer", "pan poll", "NONCONVERT",
                                  "mode button", "left down", "left up", "attachment ends"};

// What the explorer knows beside the plug-in's own record. The pointer is at
// one of three places further apart than the double-click rectangle, the last
// in the other pane; "elsewhere" is another program's window, whose messages
// the hook never sees.
struct World {
    int startInPerspective = 0;  // the pane of the first two places
    int place = 0, overFigure = 1, middle = 0, left = 0;
    int pressed = 0;  // simulated presses less releases, space and left button each
    int firstClickWaits = 0;  // a press of ModelingMode's over the figure waits for its second
    int hasFirst = 0, firstX = 0, firstY = 0;  // the press a second one would make a double click
};

struct Node {
    SessionStateRecord session;
    int32_t perspectiveOnly;
    World world;
    std::set<UINT_PTR> timers;
    HCURSOR cursor;
    std::string path;
};

class MiddleButtonExplorer : public MessageHookTest {
protected:
    // Inside the fixture's top and perspective panes.
    static POINT Place(const World& w)
    {
        const POINT places[2][3] = {{{30, 30}, {70, 30}, {150, 150}}, {{130, 130}, {170, 130}, {30, 30}}};
        return places[w.startInPerspective][w.place];
    }
    static bool InCameraPane(const World& w)
    {
        const bool inPerspective = (w.place < 2) == (w.startInPerspective != 0);
        return SessionState.Mode == CameraMode && (!PluginSettings.PerspectiveOnly || inPerspective);
    }
    std::string Key(const Node& n) const
    {
        SessionStateRecord session;
        std::memcpy(&session, &n.session, sizeof session);
        // What only the camera's drags and the left and right buttons' endings depend on.
        session.UndoCamera = session.MemoryCamera = CameraSnapshot{};
        session.LastMouseX = session.LastMouseY = session.OrbitVerticalSign = 0;
        session.PressesWithHost = 0;
        std::string key(reinterpret_cast<const char*>(&session), sizeof session);
        key.append(reinterpret_cast<const char*>(&n.world), sizeof n.world);
        for (UINT_PTR timer : n.timers)
            key += std::to_string(timer) + ",";
        return key + std::to_string(n.perspectiveOnly) + std::to_string(reinterpret_cast<uintptr_t>(n.cursor));
    }
    void Mouse(UINT message, const World& w)
    {
        const POINT p = Place(w);
        const WPARAM keys = (w.middle ? MK_MBUTTON : 0) | (w.left || w.pressed ? MK_LBUTTON : 0);
        Deliver(message, keys, At(p.x, p.y), Figure(), PM_NOREMOVE);  // peeked, then removed, as the host does
        Deliver(message, keys, At(p.x, p.y));
    }
    // Applies the event to the world and the hook; false when it cannot happen here.
    bool Apply(Event e, World& w)
    {
        fake.pointer = Place(w);
        switch (e) {
        case MiddleDown: case MiddleUp:
            if (!w.overFigure || w.middle != (e == MiddleUp))
                return false;
            w.middle = e == MiddleDown;
            fake.middleButtonState = w.middle ? static_cast<SHORT>(0x8000) : 0;
            Mouse(e == MiddleDown ? WM_MBUTTONDOWN : WM_MBUTTONUP, w);
            return true;
        case MiddleDownElsewhere: case MiddleUpElsewhere:
            if (w.middle != (e == MiddleUpElsewhere))
                return false;
            w.middle = e == MiddleDownElsewhere;
            w.overFigure = 0;
            fake.middleButtonState = w.middle ? static_cast<SHORT>(0x8000) : 0;
            return true;
        case MoveInside: case MoveOutside:
            if (e == MoveOutside)
                w.place = (w.place + 1) % 3;
            w.overFigure = 1;
            fake.pointer = Place(w);
            Mouse(WM_MOUSEMOVE, w);
            return true;
        case DoubleClickTimer: case PanPoll: {
            const UINT_PTR id = e == PanPoll ? PanPollTimerId : 2;
            if (fake.timers.count(id) == 0)
                return false;
            Deliver(WM_TIMER, id);
            return true;
        }
        case NonConvert:
            Deliver(WM_KEYDOWN, 0x1D, 0x007B0001);
            Deliver(WM_KEYUP, 0x1D, static_cast<LPARAM>(0xC07B0001u));
            return true;
        case ModeButton:
            ToggleMode();
            return true;
        case LeftDown: case LeftUp:
            if (!w.overFigure || w.left != (e == LeftUp))
                return false;
            w.left = e == LeftDown;
            Mouse(e == LeftDown ? WM_LBUTTONDOWN : WM_LBUTTONUP, w);
            return true;
        default:
            EndMiddleButtonUse();
            return true;
        }
    }
    // The invariants after event e, which took the world from `before` to w.
    std::string Check(Event e, const World& before, World& w)
    {
        int space = 0, leftButton = 0, posts = fake.Count("PostMessageA"), simulatedPress = 0;
        for (const SystemCall& call : fake.calls) {
            if (call.name == "mouse_event" && (call.a & MOUSEEVENTF_MOVE))
                return "the pointer was moved by injected input";
            space += call.name != "keybd_event" ? 0 : call.c == KEYEVENTF_KEYUP ? -1 : 1;
            leftButton += call.name != "mouse_event" ? 0 : call.a == MOUSEEVENTF_LEFTUP ? -1 : 1;
            simulatedPress |= call.name == "keybd_event" && call.c == 0;
        }
        w.pressed += space;
        if (space != leftButton || w.pressed < 0 || w.pressed > 1)
            return "simulated space and left button out of step, or pressed twice";
        const bool polling = fake.timers.count(PanPollTimerId) != 0;
        if (w.pressed && !w.middle && (!polling || e == PanPoll || e == MiddleUp))
            return "the pan's input stays pressed with the middle button up";
        if (polling != (w.pressed != 0))
            return "the poll runs without a pan, or a pan without the poll";
        if (!w.pressed && fake.currentCursor != reinterpret_cast<HCURSOR>(0x777))
            return "the user's cursor was not put back";
        const bool panEnded = before.pressed && !w.pressed;
        if (posts > 1 || (panEnded && posts != 1) || (posts && !panEnded && e != MiddleUp))
            return "a pan's end told other than once, or told without a release";
        if (simulatedPress && InCameraPane(w))
            return "input simulated over CameraMode's pane";
        const POINT p = Place(w);
        const bool inside = w.hasFirst && std::abs(p.x - w.firstX) < fake.doubleClickRectangle.cx / 2 &&
                            std::abs(p.y - w.firstY) < fake.doubleClickRectangle.cy / 2;
        const bool doubleClick = Calls(SandboxFitDrawing) != 0;
        if (doubleClick && !(e == MiddleDown && inside))
            return "a double click without two presses inside the rectangle";
        if (e == MiddleDown) {
            w.firstClickWaits = !doubleClick && !InCameraPane(w);
            w.hasFirst = !doubleClick;
            w.firstX = doubleClick ? 0 : p.x;
            w.firstY = doubleClick ? 0 : p.y;
        }
        if (e == DoubleClickTimer)
            w.hasFirst = w.firstX = w.firstY = 0;
        if (e == DoubleClickTimer || e == NonConvert || e == ModeButton || e == AttachmentEnds || simulatedPress)
            w.firstClickWaits = 0;
        if (fake.timers.count(2) && !w.firstClickWaits)
            return "the double-click timer runs with no first click waiting";
        if (e == AttachmentEnds && (!fake.timers.empty() || w.pressed))
            return "the attachment ended with a timer or the pan's input left";
        return "";
    }
};

TEST_F(MiddleButtonExplorer, EveryReachableStateKeepsTheInvariants)
{
    std::deque<Node> queue;
    std::set<std::string> seen;
    for (int start = 0; start < 8; ++start) {
        Node n{{}, start & 1, World{}, {}, fake.currentCursor, ""};
        std::memcpy(&n.session, &SessionState, sizeof SessionState);
        n.session.Mode = (start & 2) ? CameraMode : ModelingMode;
        n.world.startInPerspective = start >> 2;
        n.path = std::string(n.session.Mode == CameraMode ? "CameraMode" : "ModelingMode") +
                 (n.perspectiveOnly ? ", perspective only" : "") + (n.world.startInPerspective ? ", in perspective" : "");
        seen.insert(Key(n));
        queue.push_back(n);
    }
    int transitions = 0, pans = 0, doubleClicks = 0;
    while (!queue.empty()) {
        const Node node = queue.front();
        queue.pop_front();
        for (int e = 0; e < EventCount; ++e) {
            std::memcpy(&SessionState, &node.session, sizeof SessionState);
            PluginSettings.PerspectiveOnly = node.perspectiveOnly;
            fake.timers = node.timers;
            fake.currentCursor = node.cursor;
            fake.middleButtonState = node.world.middle ? static_cast<SHORT>(0x8000) : 0;
            fake.calls.clear();
            host->callCount = 0;
            World world = node.world;
            if (!Apply(static_cast<Event>(e), world))
                continue;
            ++transitions;
            const std::string path = node.path + " / " + EventNames[e];
            const std::string broken = Check(static_cast<Event>(e), node.world, world);
            ASSERT_EQ(broken, "") << "after: " << path;
            pans += world.pressed > node.world.pressed;
            doubleClicks += Calls(SandboxFitDrawing);
            Node next{{}, node.perspectiveOnly, world, fake.timers, fake.currentCursor, path};
            std::memcpy(&next.session, &SessionState, sizeof SessionState);
            if (e != AttachmentEnds && seen.insert(Key(next)).second)
                queue.push_back(next);
        }
    }
    std::printf("[ explorer ] %zu states, %d transitions, %d pans begun, %d double clicks\n", seen.size(), transitions,
                pans, doubleClicks);
    EXPECT_GT(pans, 0);
    EXPECT_GT(doubleClicks, 0);
}

}  // namespace
