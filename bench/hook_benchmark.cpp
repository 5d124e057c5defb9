// The message hook's cost in the sandbox host under Wine: messages per second
// through a PeekMessage loop without a hook, with a hook that only calls the
// next one, and with the plug-in's hook; then the hook's own decision time and
// the plug-in's side of a camera step, measured in-process.
//
// Usage: hook_benchmark [rounds [batch]]   (defaults 61 and 200)

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "bench/in_process_timing.h"
#include "bench/queue_throughput.h"
#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_windows.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

constexpr double Goal = 1.05;

const char* const VariantNames[HookVariantCount] = {"no hook", "minimal hook", "plug-in hook"};

void InvalidateFigure(void* figure)
{
    InvalidateRect(static_cast<HWND>(figure), nullptr, FALSE);
}

int Argument(int argc, char** argv, int index, int fallback)
{
    if (argc <= index)
        return fallback;
    const int value = std::atoi(argv[index]);
    return value > 0 ? value : fallback;
}

void PrintQueueResults(const std::vector<QueueKindResult>& results)
{
    std::printf("   %-66s %9s %9s %9s %8s %8s %13s\n", "kind: ns per message (median)", "no hook", "minimal",
                "plug-in", "none/min", "plug/min", "plug/min IQR");
    for (const QueueKindResult& result : results) {
        std::printf("   %-66s %9.0f %9.0f %9.0f %8.3f %8.3f  %.3f-%.3f\n", result.name.c_str(),
                    result.nanosecondsPerMessage[NoHook], result.nanosecondsPerMessage[MinimalHook],
                    result.nanosecondsPerMessage[PluginHook], result.ratioToMinimal[NoHook],
                    result.ratioToMinimal[PluginHook], result.pluginRatioQuartiles[0],
                    result.pluginRatioQuartiles[1]);
        if (result.unexpectedMessages != 0)
            std::printf("      (%d messages retrieved beyond those posted)\n", result.unexpectedMessages);
    }
    std::printf("   messages per second with the plug-in's hook, in the same order:");
    for (const QueueKindResult& result : results)
        std::printf(" %.0f", 1e9 / result.nanosecondsPerMessage[PluginHook]);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = Argument(argc, argv, 1, 61);
    const int batch = Argument(argc, argv, 2, 200);

    sandbox_host_reset();
    SandboxHostState* host = sandbox_host_state();
    SessionState.App = static_cast<HostApp*>(sandbox_host_app());
    SessionState.ModuleInstance = GetModuleHandleA(nullptr);
    const HostWindows windows = CreateHostWindows(GetModuleHandleA(nullptr), 900, 640);
    host->mainWindow = windows.main;
    SessionState.MainWindow = windows.main;
    SessionState.FigureWindow = windows.figure;
    SetForegroundWindow(windows.main);
    PumpPendingMessages();

    std::printf("Message hook benchmark: the sandbox host's windows under Wine, one thread, the real\n"
                "WH_GETMESSAGE hook.\n\n");
    std::printf("1. A PeekMessage(PM_REMOVE) loop retrieves %d posted messages per kind and variant; only the\n"
                "   retrieval is timed. The variants alternate within each of %d rounds; ratios are medians of\n"
                "   each round's ratio to the minimal hook (CallNextHookEx only, installed as the plug-in's).\n"
                "   Under Wine every hook call costs interprocess requests, which dwarf the hook's own work.\n"
                "   The host invalidates its figure window at each camera change, so a taken drag repaints it.\n",
                batch, rounds);
    host->onSceneChanged = InvalidateFigure;
    host->onSceneChangedContext = windows.figure;
    const std::vector<QueueKindResult> queue = MeasureQueueThroughput(windows, rounds, batch);
    host->onSceneChanged = nullptr;
    PrintQueueResults(queue);

    std::printf("\n2. The hook's own decision for messages it does not take, in-process: MessageHook called\n"
                "   directly with the next hook replaced by a function that returns at once, minus a hook that\n"
                "   makes only that call (median of repetitions, ns per message):\n");
    SessionState.Mode = ModelingMode;
    PluginSettings = PluginSettingsRecord{};
    for (const DecisionTiming& timing : MeasureDecisions(windows.figure, windows.main))
        std::printf("   %-66s %6.2f ns\n", timing.name.c_str(), timing.nanoseconds);

    std::printf("\n3. The plug-in's side of one camera step and one pane test, in-process on the sandbox host's\n"
                "   objects, whose operations only log and store: each step minus the same host calls made\n"
                "   directly through the host's interface; UpdateWindow is given no window and the pane\n"
                "   test's pointer comes from a stand-in, so the host's repaint and the system's GetCursorPos\n"
                "   are left out (median of repetitions, ns per step):\n");
    for (const OperationTiming& timing : MeasureOperations())
        std::printf("   %-21s step %8.0f   the same host calls %8.0f   plug-in side %6.0f ns\n",
                    timing.name.c_str(), timing.total, timing.hostCalls, timing.pluginSide);
    const CursorPosTiming cursorPos = MeasureGetCursorPos();
    std::printf("   GetCursorPos alone, which the pane test makes at every call: %.0f ns right after the pointer\n"
                "   moved, %.0f ns when it has been still for a while (Wine then asks the X server)\n",
                cursorPos.afterMove, cursorPos.whenStill);
    SessionState.FigureWindow = windows.figure;

    std::printf("\n");
    for (const QueueKindResult& result : queue) {
        if (!result.passedAtOnce && result.name.find("pane test, passed") != std::string::npos)
            std::printf("With PerspectiveOnly set, a passed CameraMode move costs %.3f times the minimal hook: the\n"
                        "pane test that the setting asks for at every move calls GetCursorPos (%.1f us here while\n"
                        "the pointer moves) and asks the host for two objects and up to four rectangles.\n",
                        result.ratioToMinimal[PluginHook], cursorPos.afterMove / 1000.0);
    }
    double worst = 0.0;
    std::string worstKind;
    for (const QueueKindResult& result : queue) {
        if (result.passedAtOnce && result.ratioToMinimal[PluginHook] > worst) {
            worst = result.ratioToMinimal[PluginHook];
            worstKind = result.name;
        }
    }
    std::printf("Messages the hook does not take cost %.3f times the minimal hook (worst kind: %s; goal at most "
                "%.2f): %s\n",
                worst, worstKind.c_str(), Goal, worst <= Goal ? "met" : "NOT MET");

    DestroyWindow(windows.main);
    DestroyWindow(windows.tarnhollow);
    return 0;
}
