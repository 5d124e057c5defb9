#pragma once

// Drives MessageHook directly with synthetic message records, with the system
// calls recorded by FakeHookSystem and the sandbox host's objects behind App.

#include <windows.h>

#include <vector>

#include "host/host_call.h"
#include "input/message_hook.h"
#include "state/session_state.h"
#include "tests/support/fake_hook_system.h"
#include "tests/support/sandbox_host_fixture.h"

class MessageHookTest : public SandboxHostTest {
protected:
    void SetUp() override
    {
        SandboxHostTest::SetUp();
        InstallFakeHookSystem(fake);
        SessionState.FigureWindow = Figure();
        SessionState.HookHandle = reinterpret_cast<HHOOK>(0x4242);
        SessionState.PanCursor = reinterpret_cast<HCURSOR>(0x9090);
        fake.windowUnderPointer = Figure();
        // Four panes in a square; the perspective pane (type 3) bottom right.
        const SandboxRect rects[4] = {{0, 0, 100, 100}, {100, 0, 200, 100}, {0, 100, 100, 200}, {100, 100, 200, 200}};
        for (int pane = 0; pane < 4; ++pane) {
            host->paneRects[pane] = rects[pane];
            host->paneTypes[pane] = pane;
        }
    }
    void TearDown() override { RestoreUser32HookSystem(); }

    static HWND Figure() { return reinterpret_cast<HWND>(0x1010); }
    static HWND OtherWindow() { return reinterpret_cast<HWND>(0x2020); }

    struct Delivery {
        LRESULT result;
        UINT messageAfter;
        bool passedOn;
        LPARAM lParamAfter; POINT ptAfter;  // as the hook left them
    };

    Delivery Deliver(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, HWND target = Figure(),
                     WPARAM removal = PM_REMOVE)
    {
        MSG record = {};
        record.hwnd = target;
        record.message = message;
        record.wParam = wParam;
        record.lParam = lParam;
        record.time = messageTime;
        const int before = fake.Count("CallNextHookEx");
        const LRESULT result = MessageHook(HC_ACTION, removal, reinterpret_cast<LPARAM>(&record));
        return Delivery{result, record.message, fake.Count("CallNextHookEx") > before, record.lParam, record.pt};
    }

    // The three ways a call ends.
    static void ExpectPass(const Delivery& d, UINT message)
    {
        EXPECT_TRUE(d.passedOn);
        EXPECT_EQ(d.result, 77);
        EXPECT_EQ(d.messageAfter, message);
    }
    static void ExpectKeep(const Delivery& d, UINT message)
    {
        EXPECT_FALSE(d.passedOn);
        EXPECT_EQ(d.result, 0);
        EXPECT_EQ(d.messageAfter, message);
    }
    static void ExpectConsume(const Delivery& d)
    {
        EXPECT_FALSE(d.passedOn);
        EXPECT_EQ(d.result, 0);
        EXPECT_EQ(d.messageAfter, static_cast<UINT>(WM_NULL));
    }

    static LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
    static WPARAM Wheel(int delta, WORD keys = 0) { return MAKEWPARAM(keys, static_cast<WORD>(delta)); }

    // One wheel message with the time it carries.
    struct WheelTurn {
        int delta;
        WORD keys;
        DWORD time;
    };
    // Each turn over the figure window, delivered once, or peeked at and then
    // removed as the host does; every delivery must be blanked.
    void DeliverTurns(const std::vector<WheelTurn>& turns, bool peekedFirst)
    {
        for (const WheelTurn& turn : turns) {
            messageTime = turn.time;
            if (peekedFirst)
                ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(turn.delta, turn.keys), At(10, 10), Figure(), PM_NOREMOVE));
            ExpectConsume(Deliver(WM_MOUSEWHEEL, Wheel(turn.delta, turn.keys), At(10, 10)));
        }
    }

    void PointerInPerspectivePane() { fake.pointer = {150, 150}; }
    void PointerInTopPane() { fake.pointer = {50, 50}; }

    FakeHookSystem fake;
    DWORD messageTime = 0;  // the time the next deliveries carry
};
