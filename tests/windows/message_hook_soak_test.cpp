// A randomized soak of everything the message hook reaches: tens of thousands
// of random message records through MessageHook on the sandbox host, in both
// modes, with random settings, pointer positions, host worlds and host
// failures, and the control window's and the status pane's commands in
// between. After every step the invariants are checked. The run is seeded:
// VORMELT_SOAK_SEED and VORMELT_SOAK_MESSAGES replay a failure.

#include <gtest/gtest.h>
#include <windows.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "input/hook_installation.h"
#include "input/hook_system_calls.h"
#include "input/message_hook.h"
#include "state/session_state.h"
#include "state/settings.h"
#include "tests/windows/attached_host.h"
#include "tests/windows/soak_inputs.h"
#include "tests/windows/soak_system.h"
#include "ui/resource_ids.h"
#include "ui/status_pane.h"

namespace {

constexpr int DefaultMessages = 50000;
// Under Wine a run of the default length takes a few seconds; a slow machine
// stops early rather than hold up the suite.
constexpr ULONGLONG TimeLimitMilliseconds = 30000;
constexpr float MinimumZoom = 9.0f;
constexpr float MaximumZoom = 720.0f;
constexpr float Pi = 3.1415927f;
const HCURSOR UserCursor = reinterpret_cast<HCURSOR>(0x7171);

uint64_t SeedFromEnvironment()
{
    if (const char* text = std::getenv("VORMELT_SOAK_SEED"))
        return std::strtoull(text, nullptr, 0);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<uint64_t>(now.QuadPart) ^ (static_cast<uint64_t>(GetCurrentProcessId()) << 32);
}

int MessagesFromEnvironment()
{
    if (const char* text = std::getenv("VORMELT_SOAK_MESSAGES")) {
        const long count = std::strtol(text, nullptr, 0);
        if (count > 0)
            return static_cast<int>(count);
    }
    return DefaultMessages;
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD)
{
    EndMenu();
}

bool IsFinite(const SandboxPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool WritesToHost(int operation)
{
    switch (operation) {
    case SandboxSetEye:
    case SandboxSetTarget:
    case SandboxSetZoom:
    case SandboxSetBank:
    case SandboxZoomInAt:
    case SandboxZoomOutAt:
    case SandboxScrollTo:
    case SandboxFitDrawing:
        return true;
    default:
        return false;
    }
}

bool IsRelease(int operation)
{
    return operation == SandboxReleaseScene || operation == SandboxReleaseCamera ||
           operation == SandboxReleaseFigureWindow;
}

std::string Describe(const MSG& message, int code, WPARAM removal)
{
    char text[200];
    std::snprintf(text, sizeof text, "message 0x%04X to %p, wParam 0x%llX, lParam 0x%llX, code %d, %s",
                  message.message, static_cast<void*>(message.hwnd), static_cast<unsigned long long>(message.wParam),
                  static_cast<unsigned long long>(message.lParam), code, removal == PM_REMOVE ? "removed" : "peeked");
    return text;
}

struct SoakCounts {
    int messages = 0;
    int deliveries = 0;
    int cameraModeDeliveries = 0;
    int perspectiveOnlyDeliveries = 0;
    int commands = 0;
    int operations = 0;  // steps that wrote to the host's camera or scene
    int hostWrites[SandboxOperationCount] = {};
    int paneTests = 0;
    int modeSwitches = 0;
    int hostFailures = 0;
    int checks = 0;
};

class MessageHookSoak : public AttachedHostTest {
protected:
    void SetUp() override
    {
        AttachedHostTest::SetUp();
        Attach();
        ASSERT_NE(SessionState.ControlWindow, nullptr);
        // The soak calls the hook itself, with its own system behind it.
        RemoveMessageHook();
        SessionState.HookHandle = reinterpret_cast<HHOOK>(0x4242);
        SoakSystem = SoakSystemRecord{};
        SoakSystem.figure = windows.figure;
        SoakSystem.elsewhere = windows.main;
        SoakSystem.sibling = windows.tarnhollow;
        SoakSystem.nextHookResult = 0x5150;
        SoakSystem.cursor = UserCursor;
        GetWindowRect(windows.figure, &SoakSystem.figureOnScreen);
        InstallSoakSystem();
        targets = SoakWindows{windows.figure, windows.main, SessionState.ControlWindow, windows.statusBar};
    }

    void TearDown() override
    {
        HookSystem = User32HookSystemCalls();
        host->throwFrom = SandboxNoOperation;
        AttachedHostTest::TearDown();
    }

    // The host's log and reference tally start afresh for each step.
    void BeginStep()
    {
        host->callCount = 0;
        host->referencesObtained = 0;
    }

    // Counts one invariant check and notes what failed.
    void Check(bool holds, std::ostringstream& failure, const std::string& what)
    {
        ++counts.checks;
        if (!holds)
            failure << what << "; ";
    }

    // What must hold after every step, message or command.
    void CheckState(std::ostringstream& failure)
    {
        Check(host->sceneReferences == 0 && host->cameraReferences == 0 && host->figureWindowReferences == 0,
              failure,
              "host references left: scene " + std::to_string(host->sceneReferences) + ", camera " +
                  std::to_string(host->cameraReferences) + ", figure window " +
                  std::to_string(host->figureWindowReferences));
        Check(host->overReleases == 0, failure, std::to_string(host->overReleases) + " references released twice");
        Check(host->callCount <= SandboxMaxCalls, failure, "more host calls than the log holds");
        int releases = 0;
        for (int i = 0; i < host->callCount && i < SandboxMaxCalls; ++i) {
            const SandboxCall& call = host->calls[i];
            releases += IsRelease(call.operation);
            if (WritesToHost(call.operation)) {
                ++counts.hostWrites[call.operation];
                Check(IsFinite(call.point), failure,
                      "host operation " + std::to_string(call.operation) + " was handed (" +
                          std::to_string(call.point.x) + ", " + std::to_string(call.point.y) + ", " +
                          std::to_string(call.point.z) + ")");
            }
            counts.paneTests += call.operation == SandboxGetFigureWindow;
            counts.hostFailures += call.operation == host->throwFrom;
        }
        Check(releases == host->referencesObtained, failure,
              std::to_string(host->referencesObtained) + " references obtained, " + std::to_string(releases) +
                  " released");
        Check(SessionState.KeyLatch == 0 || SessionState.KeyLatch == 1, failure,
              "KeyLatch " + std::to_string(SessionState.KeyLatch));
        Check(SessionState.MiddleLatch == 0 || SessionState.MiddleLatch == 1, failure,
              "MiddleLatch " + std::to_string(SessionState.MiddleLatch));
        Check(SessionState.OrbitVerticalSign == 1 || SessionState.OrbitVerticalSign == -1, failure,
              "OrbitVerticalSign " + std::to_string(SessionState.OrbitVerticalSign));
        Check(SessionState.PressedInPerspective == 0 || SessionState.PressedInPerspective == 1, failure,
              "PressedInPerspective " + std::to_string(SessionState.PressedInPerspective));
        CheckSimulatedInput(failure);
    }

    // The plug-in releases what it pressed, once, and nothing else; the user's
    // cursor comes back with the release; the pointer follows the hand alone.
    void CheckSimulatedInput(std::ostringstream& failure)
    {
        const int space = SoakSystem.spacePresses - SoakSystem.spaceReleases;
        const int left = SoakSystem.leftPresses - SoakSystem.leftReleases;
        Check(space == left && (space == 0 || space == 1), failure,
              "space pressed " + std::to_string(SoakSystem.spacePresses) + " released " +
                  std::to_string(SoakSystem.spaceReleases) + ", left pressed " +
                  std::to_string(SoakSystem.leftPresses) + " released " + std::to_string(SoakSystem.leftReleases));
        if (space == 0)
            Check(SoakSystem.cursor == UserCursor, failure, "the user's cursor was not put back");
        if (middleUpSeen)
            Check(space == 0, failure, "the middle button is up and the pan's space and left are still down");
        Check(SoakSystem.pointerMotions == 0, failure, "the pointer was moved by simulated input");
    }

    void CheckNothingPressed(std::ostringstream& failure, const char* when)
    {
        Check(SoakSystem.spacePresses == SoakSystem.spaceReleases && SoakSystem.leftPresses == SoakSystem.leftReleases,
              failure, std::string("space or left still down ") + when);
    }

    // One delivery of `message` to the hook, and the checks after it. Empty
    // when everything held.
    std::string Deliver(const MSG& message, int code, WPARAM removal)
    {
        BeginStep();
        const int32_t modeBefore = SessionState.Mode;
        const float zoomBefore = host->zoom;
        const float bankBefore = host->bank;
        const int passesBefore = SoakSystem.passes;
        ++counts.deliveries;
        counts.cameraModeDeliveries += modeBefore == CameraMode;
        counts.perspectiveOnlyDeliveries += PluginSettings.PerspectiveOnly != 0;

        // Whatever the latch, the mode or the window: a release, or a move
        // without the middle button, shows the hook that the button is up.
        const bool saysMiddleUp = message.message == WM_MBUTTONUP ||
                                  (message.message == WM_MOUSEMOVE && (message.wParam & MK_MBUTTON) == 0);
        if (code >= 0 && saysMiddleUp)
            middleUpSeen = middleUpSeen || SoakSystem.middleButton == 0;

        MSG record = message;
        LRESULT result = 0;
        try {
            result = MessageHook(code, removal, reinterpret_cast<LPARAM>(&record));
        } catch (...) {
            return "an exception left the hook";
        }

        std::ostringstream failure;
        CheckState(failure);
        if (SessionState.Mode != modeBefore)
            CheckNothingPressed(failure, "after a mode switch");
        const int passes = SoakSystem.passes - passesBefore;
        // Every message here is the user's: the soak's system simulates no input.
        Check(record.hwnd == message.hwnd && record.wParam == message.wParam && record.time == message.time &&
                  record.lParam == message.lParam && record.pt.x == message.pt.x && record.pt.y == message.pt.y,
              failure, "the hook changed more than the message number");
        // Pass, Keep or Consume, and nothing else.
        const bool passed = passes == 1 && record.message == message.message && result == SoakSystem.nextHookResult;
        const bool keptAsPress = message.message == WM_LBUTTONDBLCLK || message.message == WM_RBUTTONDBLCLK;
        const bool kept = passes == 0 && result == 0 && record.message + (keptAsPress ? 2 : 0) == message.message;
        const bool consumed = passes == 0 && result == 0 && record.message == WM_NULL;
        Check(passed || kept || consumed, failure, "the call ended neither passed, kept nor blanked");
        if (code < 0 || !IsHookedNumber(message.message))
            Check(passed, failure, "a message the hook never takes was not passed on");
        if (message.message == WM_MOUSEWHEEL) {
            if (zoomBefore >= MinimumZoom && zoomBefore <= MaximumZoom)
                Check(host->zoom >= MinimumZoom && host->zoom <= MaximumZoom, failure,
                      "the zoom left 9..720: " + std::to_string(host->zoom));
            if (bankBefore >= -Pi && bankBefore <= Pi)
                Check(host->bank >= -Pi && host->bank <= Pi, failure,
                      "the bank left -pi..pi: " + std::to_string(host->bank));
        }
        CountStep(modeBefore);
        return failure.str();
    }

    // A command of the control window, the status pane or the host between
    // messages, and the checks after it. Empty when everything held.
    std::string RunCommand(SoakRandom& random, std::string& what)
    {
        BeginStep();
        const int32_t modeBefore = SessionState.Mode;
        ++counts.commands;
        const int ids[] = {IDC_MODE_BUTTON, IDC_UNDO_BUTTON,  IDC_STORE_BUTTON, IDC_RESTORE_BUTTON,
                           IDM_SETTINGS,    IDC_ZOOM_VALUE,   IDC_STORE_BUTTON, IDC_RESTORE_BUTTON};
        try {
            switch (random.Below(8)) {
            case 0:
                what = "status pane left click";
                StatusPaneProc(windows.statusBar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
                break;
            case 1:
                what = "status pane menu";
                OpenAndDismissPaneMenu();
                break;
            case 2:
            case 3: {
                what = "camera change reported by the host";
                int flag = 0;
                sandbox_component_camera_changed(component, sandbox_host_scene(), &flag);
                break;
            }
            default: {
                const int id = random.OneIn(10) ? static_cast<int>(random.Below(0x10000)) : random.Pick(ids);
                what = "control window command " + std::to_string(id);
                SendMessageA(SessionState.ControlWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
                break;
            }
            }
        } catch (...) {
            return "an exception left the command";
        }
        std::ostringstream failure;
        CheckState(failure);
        if (SessionState.Mode != modeBefore)
            CheckNothingPressed(failure, "after a mode switch");
        CountStep(modeBefore);
        return failure.str();
    }

    // The host closes its windows: the control window ends with the main
    // window, and the attachment with it.
    std::string EndAttachment()
    {
        DestroyWindow(windows.main);
        windows.main = nullptr;
        std::ostringstream failure;
        CheckNothingPressed(failure, "after the attachment ended");
        Check(SoakSystem.cursor == UserCursor, failure, "the user's cursor was not put back at the end");
        Check(!SoakSystem.timerPending, failure, "the double-click timer was left set after the attachment ended");
        return failure.str();
    }

    void CountStep(int32_t modeBefore)
    {
        for (int i = 0; i < host->callCount && i < SandboxMaxCalls; ++i) {
            if (WritesToHost(host->calls[i].operation)) {
                ++counts.operations;
                break;
            }
        }
        counts.modeSwitches += SessionState.Mode != modeBefore;
    }

    // The menu is modal; a timer of this thread closes it from inside its loop.
    static void OpenAndDismissPaneMenu()
    {
        const UINT_PTR timer = SetTimer(nullptr, 0, 1, CloseMenu);
        StatusPaneProc(nullptr, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
        KillTimer(nullptr, timer);
    }

    // Between messages: the pointer moves, and now and then the settings, the
    // host's world, the middle button, the timer's success and the sibling
    // window change, a host operation starts or stops failing, the host's
    // application object goes away for a while.
    void ChangeTheWorld(SoakRandom& random)
    {
        if (SessionState.App == nullptr) {
            if (random.OneIn(20))
                SessionState.App = static_cast<HostApp*>(sandbox_host_app());
        } else if (random.OneIn(3000)) {
            SessionState.App = nullptr;
        }
        if (random.OneIn(3))
            SoakSystem.pointer = RandomPointer(random, *host, SoakSystem.figureOnScreen, SoakSystem.pointer);
        if (random.OneIn(400))
            RandomiseSettings(random);
        if (random.OneIn(300))
            RandomiseHostWorld(random, *host);
        if (random.OneIn(500))
            RandomisePaneTypes(random, *host);
        if (random.OneIn(20)) {
            SoakSystem.middleButton = random.OneIn(2) ? static_cast<SHORT>(0x8000) : 0;
            middleUpSeen = middleUpSeen && SoakSystem.middleButton == 0;
        }
        if (random.OneIn(50))
            SoakSystem.timerAnswer = random.OneIn(4) ? 0 : 2;
        if (random.OneIn(50))
            SoakSystem.sibling = random.OneIn(3) ? nullptr : windows.tarnhollow;
        if (host->throwFrom != SandboxNoOperation) {
            if (random.OneIn(8))
                host->throwFrom = SandboxNoOperation;
        } else if (random.OneIn(150)) {
            host->throwFrom = RandomFailingOperation(random);
        }
    }

    SoakWindows targets{};
    SoakCounts counts;
    bool middleUpSeen = true;  // the hook has had a message since the middle button went up
};

TEST_F(MessageHookSoak, RandomMessagesNeverCrashLeakOrCorruptTheCamera)
{
    const uint64_t seed = SeedFromEnvironment();
    const int wanted = MessagesFromEnvironment();
    std::printf("[ soak     ] seed %" PRIu64 ", %d messages (VORMELT_SOAK_SEED=%" PRIu64
                " VORMELT_SOAK_MESSAGES=%d to replay)\n",
                seed, wanted, seed, wanted);
    SoakRandom random(seed);
    const ULONGLONG start = GetTickCount64();
    std::string failure;
    std::string step;
    while (counts.messages < wanted && failure.empty()) {
        if (GetTickCount64() - start > TimeLimitMilliseconds) {
            std::printf("[ soak     ] stopped by the time limit\n");
            break;
        }
        ChangeTheWorld(random);
        if (random.OneIn(60)) {
            failure = RunCommand(random, step);
            if (!failure.empty())
                break;
        }
        const MSG message = RandomMessage(random, targets, SoakSystem.pointer, SessionState.MiddleTimerId);
        const int code = random.OneIn(50) ? -static_cast<int>(random.Between(1, 3)) : HC_ACTION;
        ++counts.messages;
        // The host peeks at many messages before it removes them: the hook
        // then sees the same record twice.
        const bool twice = random.OneIn(3);
        for (int delivery = 0; delivery < (twice ? 2 : 1) && failure.empty(); ++delivery) {
            const WPARAM removal = twice && delivery == 0 ? PM_NOREMOVE : PM_REMOVE;
            step = Describe(message, code, removal);
            failure = Deliver(message, code, removal);
        }
        if (counts.messages % 2000 == 0)
            PumpMessages();
    }
    if (failure.empty()) {
        step = "the end of the attachment";
        failure = EndAttachment();
    }
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;

    std::printf("[ soak     ] seed %" PRIu64 ": %d messages (%d deliveries, %d in CameraMode, %d with PerspectiveOnly "
                "set), %d commands in %.1f s\n",
                seed, counts.messages, counts.deliveries, counts.cameraModeDeliveries,
                counts.perspectiveOnlyDeliveries, counts.commands, seconds);
    const int* writes = counts.hostWrites;
    std::printf("[ soak     ] operations run: %d; host writes: set_eye %d, set_target %d, set_zoom %d, set_bank %d, "
                "zoom_in_at %d, zoom_out_at %d, scroll_to %d, fit_drawing %d\n",
                counts.operations, writes[SandboxSetEye], writes[SandboxSetTarget], writes[SandboxSetZoom],
                writes[SandboxSetBank], writes[SandboxZoomInAt], writes[SandboxZoomOutAt], writes[SandboxScrollTo],
                writes[SandboxFitDrawing]);
    std::printf("[ soak     ] pane tests %d, mode switches %d, simulated input %d, pans begun %d, timers set %d, "
                "host failures raised %d\n",
                counts.paneTests, counts.modeSwitches, SoakSystem.simulatedInput, SoakSystem.spacePresses,
                SoakSystem.timersSet, counts.hostFailures);
    std::printf("[ soak     ] invariant checks: %d\n", counts.checks);

    ASSERT_TRUE(failure.empty()) << "seed " << seed << ", message " << counts.messages << ": " << step << ": "
                                 << failure << "\nreplay with VORMELT_SOAK_SEED=" << seed
                                 << " VORMELT_SOAK_MESSAGES=" << counts.messages;
    if (counts.messages >= 5000) {
        // A run this long reaches every part of the hook; if not, the soak
        // has stopped testing what it claims to.
        EXPECT_GT(counts.cameraModeDeliveries, counts.deliveries / 20);
        EXPECT_GT(counts.deliveries - counts.cameraModeDeliveries, counts.deliveries / 20);
        EXPECT_GT(counts.perspectiveOnlyDeliveries, 0);
        EXPECT_GT(counts.operations, 100);
        for (int operation : {SandboxSetEye, SandboxSetTarget, SandboxSetZoom, SandboxSetBank, SandboxZoomInAt,
                              SandboxZoomOutAt, SandboxScrollTo, SandboxFitDrawing})
            EXPECT_GT(writes[operation], 0) << "host operation " << operation << " never reached";
        EXPECT_GT(counts.paneTests, 0);
        EXPECT_GT(counts.hostFailures, 0);
        EXPECT_GT(SoakSystem.simulatedInput, 0);
        EXPECT_GT(SoakSystem.spacePresses, 0) << "no pan ever began";
    }
}

}  // namespace
