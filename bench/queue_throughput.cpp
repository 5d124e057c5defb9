#include "bench/queue_throughput.h"

#include "bench/bench_timing.h"
#include "input/hook_installation.h"
#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

HHOOK MinimalHandle = nullptr;

LRESULT CALLBACK PassOnlyHook(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(MinimalHandle, code, wParam, lParam);
}

// The minimal hook is installed as the plug-in installs its own, with the
// module and for this thread, so that only the procedures differ.
void Install(HookVariant variant)
{
    if (variant == MinimalHook)
        MinimalHandle =
            SetWindowsHookExA(WH_GETMESSAGE, PassOnlyHook, SessionState.ModuleInstance, GetCurrentThreadId());
    else if (variant == PluginHook)
        InstallMessageHook(SessionState.FigureWindow);
}

void Remove(HookVariant variant)
{
    if (variant == MinimalHook)
        UnhookWindowsHookEx(MinimalHandle);
    else if (variant == PluginHook)
        RemoveMessageHook();
}

POINT PaneCentre(HWND figure, int pane)
{
    const RECT rect = PaneClientRect(figure, pane);
    POINT centre = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(figure, &centre);
    return centre;
}

struct Kind {
    const char* name;
    bool passedAtOnce;
    void (*prepare)(HWND figure);
    void (*post)(HWND figure, int index);
};

// Messages the hook passes at once, as a host's own traffic brings them:
// numbers it never looks at, and key presses of keys other than the mode key.
void PostUntouched(HWND figure, int index)
{
    const UINT numbers[] = {WM_USER, WM_CHAR, WM_PAINT, WM_KEYDOWN, WM_APP + 7, WM_NULL};
    const UINT number = numbers[index % 6] == WM_USER ? WM_USER + static_cast<UINT>(index % 256) : numbers[index % 6];
    // Plain ASCII: a character or key code that is a lead byte of code page
    // 932 would be split or joined on its way through the queue.
    PostMessageA(figure, number, 'A' + index % 26, 0);
}

// Moves one pixel back and forth inside the figure window, so that every
// CameraMode drag move has a non-zero delta.
void PostMove(HWND figure, WPARAM keys, int index)
{
    PostMessageA(figure, WM_MOUSEMOVE, keys, MAKELPARAM(200 + index % 2, 150));
}

void PrepareModeling(HWND)
{
    SessionState.Mode = ModelingMode;
    PluginSettings.PerspectiveOnly = 0;
}

void PrepareCameraDrag(HWND)
{
    SessionState.Mode = CameraMode;
    PluginSettings.PerspectiveOnly = 0;
}

// The pointer moves a pixel inside the pane before each batch, as it does
// during a drag: Wine answers GetCursorPos from its own record for a while
// after a move, and asks the X server once the pointer has been still.
void PreparePerspectiveOnly(HWND figure, int pane)
{
    SessionState.Mode = CameraMode;
    PluginSettings.PerspectiveOnly = 1;
    SessionState.PressedInPerspective = 1;
    static int step = 0;
    const POINT pointer = PaneCentre(figure, pane);
    SetCursorPos(pointer.x + ++step % 2, pointer.y);
}

const Kind Kinds[] = {
    {"messages it never takes (WM_USER+n, WM_PAINT, WM_CHAR, other keys)", true, PrepareModeling, PostUntouched},
    {"ModelingMode moves over the figure window (passed)", true, PrepareModeling,
     [](HWND figure, int index) { PostMove(figure, 0, index); }},
    {"CameraMode drag moves (taken, one orbit each)", false, PrepareCameraDrag,
     [](HWND figure, int index) { PostMove(figure, MK_LBUTTON, index); }},
    {"PerspectiveOnly moves off the perspective pane (pane test, passed)", false,
     [](HWND figure) { PreparePerspectiveOnly(figure, PaneTop); },
     [](HWND figure, int index) { PostMove(figure, MK_LBUTTON, index); }},
    {"PerspectiveOnly drag over the perspective pane (pane test, orbit)", false,
     [](HWND figure) { PreparePerspectiveOnly(figure, PanePerspective); },
     [](HWND figure, int index) { PostMove(figure, MK_LBUTTON, index); }},
};

// Posts a batch and times its retrieval; the count of retrieved messages
// comes back in `retrieved`.
double TimedDrain(const Kind& kind, HookVariant variant, HWND figure, int batch, int& retrieved)
{
    kind.prepare(figure);
    PumpPendingMessages();
    for (int i = 0; i < batch; ++i)
        kind.post(figure, i);
    Install(variant);
    retrieved = 0;
    MSG message;
    const double start = NowSeconds();
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ++retrieved;
    const double elapsed = NowSeconds() - start;
    Remove(variant);
    return elapsed;
}

}  // namespace

std::vector<QueueKindResult> MeasureQueueThroughput(const HostWindows& windows, int rounds, int batch)
{
    std::vector<QueueKindResult> results;
    for (const Kind& kind : Kinds) {
        QueueKindResult result{kind.name, kind.passedAtOnce, {}, {}, {}, 0};
        std::vector<double> perMessage[HookVariantCount];
        std::vector<double> ratios[HookVariantCount];
        for (int round = 0; round < rounds; ++round) {
            double nanoseconds[HookVariantCount] = {};
            for (int step = 0; step < HookVariantCount; ++step) {
                // A different variant goes first in each round.
                const auto variant = static_cast<HookVariant>((round + step) % HookVariantCount);
                int retrieved = 0;
                const double seconds = TimedDrain(kind, variant, windows.figure, batch, retrieved);
                result.unexpectedMessages += retrieved - batch;
                nanoseconds[variant] = seconds * 1e9 / (retrieved > 0 ? retrieved : 1);
                perMessage[variant].push_back(nanoseconds[variant]);
            }
            for (int variant = 0; variant < HookVariantCount; ++variant)
                ratios[variant].push_back(nanoseconds[variant] / nanoseconds[MinimalHook]);
        }
        for (int variant = 0; variant < HookVariantCount; ++variant) {
            result.nanosecondsPerMessage[variant] = Median(perMessage[variant]);
            result.ratioToMinimal[variant] = Median(ratios[variant]);
        }
        result.pluginRatioQuartiles[0] = Quantile(ratios[PluginHook], 0.25);
        result.pluginRatioQuartiles[1] = Quantile(ratios[PluginHook], 0.75);
        results.push_back(result);
    }
    return results;
}
