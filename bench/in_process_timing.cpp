#include "bench/in_process_timing.h"

#include "bench/bench_timing.h"
#include "camera/drag_operations.h"
#include "camera/wheel_operations.h"
#include "host/host_sdk.h"
#include "input/hook_system_calls.h"
#include "input/message_hook.h"
#include "input/perspective_pane.h"
#include "sandbox/host_bridge.h"
#include "state/session_state.h"
#include "state/settings.h"

namespace {

using HookProcedure = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);

constexpr int Records = 64;
constexpr int DecisionIterations = 1 << 20;
constexpr int DecisionRepetitions = 15;
constexpr int StepIterations = 4000;
constexpr int StepRepetitions = 11;
// Wine answers GetCursorPos from its own record for this long after the
// pointer moved, and asks the X server after that.
constexpr DWORD CursorStillMilliseconds = 150;

// The next hook, as cheap as a call can be.
__attribute__((noinline)) LRESULT NextHookReturns(HHOOK, int, WPARAM, LPARAM)
{
    return 0;
}

// The bare minimum of a hook: the same call of the next hook through the same
// table, and nothing else.
__attribute__((noinline)) LRESULT CALLBACK PassOnly(int code, WPARAM wParam, LPARAM lParam)
{
    return HookSystem.callNextHook(SessionState.HookHandle, code, wParam, lParam);
}

// Read through a volatile so that neither hook can be inlined into the loop.
HookProcedure volatile Baseline = PassOnly;
HookProcedure volatile Plugin = MessageHook;

double NanosecondsPerCall(HookProcedure hook, MSG* records)
{
    const double start = NowSeconds();
    for (int i = 0; i < DecisionIterations; ++i)
        hook(HC_ACTION, PM_REMOVE, reinterpret_cast<LPARAM>(&records[i % Records]));
    return (NowSeconds() - start) * 1e9 / DecisionIterations;
}

struct DecisionKind {
    const char* name;
    int32_t mode;
    MSG (*record)(HWND figure, HWND other, int index);
};

MSG Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG record{};
    record.hwnd = window;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    return record;
}

LPARAM Position(int index)
{
    return MAKELPARAM(100 + index, 80 + index % 7);
}

const DecisionKind DecisionKinds[] = {
    {"WM_USER+n", ModelingMode,
     [](HWND figure, HWND, int i) { return Record(figure, WM_USER + static_cast<UINT>(i), 0, 0); }},
    {"WM_PAINT", ModelingMode, [](HWND figure, HWND, int) { return Record(figure, WM_PAINT, 0, 0); }},
    {"neighbours: WM_NCMOUSEMOVE, WM_SETCURSOR, WM_CHAR, WM_MOUSEHWHEEL, WM_XBUTTONDOWN", ModelingMode,
     [](HWND figure, HWND, int i) {
         const UINT numbers[] = {WM_NCMOUSEMOVE, WM_SETCURSOR, WM_CHAR, WM_MOUSEHWHEEL, WM_XBUTTONDOWN};
         return Record(figure, numbers[i % 5], 0, Position(i));
     }},
    {"ModelingMode WM_MOUSEMOVE over the figure window", ModelingMode,
     [](HWND figure, HWND, int i) { return Record(figure, WM_MOUSEMOVE, i % 3 == 0 ? MK_LBUTTON : 0, Position(i)); }},
    {"WM_MOUSEMOVE over another window", CameraMode,
     [](HWND, HWND other, int i) { return Record(other, WM_MOUSEMOVE, MK_LBUTTON, Position(i)); }},
    {"WM_KEYDOWN of other keys", ModelingMode,
     [](HWND figure, HWND, int i) { return Record(figure, WM_KEYDOWN, 'A' + i % 26, 1); }},
    {"WM_TIMER of another window", ModelingMode,
     [](HWND, HWND other, int i) { return Record(other, WM_TIMER, 1 + i % 4, 0); }},
    {"CameraMode WM_MOUSEMOVE without buttons (passed, position kept)", CameraMode,
     [](HWND figure, HWND, int i) { return Record(figure, WM_MOUSEMOVE, 0, Position(i)); }},
};

void ResetCamera()
{
    SandboxHostState* host = sandbox_host_state();
    host->eye = SandboxPoint{0, 0, 10};
    host->target = SandboxPoint{0, 0, 0};
    host->callCount = 0;
}

// The host calls each step makes, made directly with the values read.
void DirectOrbitCalls()
{
    HostScene* scene = SessionState.App->get_scene(0);
    HostCamera* camera = scene->get_camera(0);
    Vec3 eye{};
    Vec3 target{};
    camera->get_eye(&eye, 0, 0);
    camera->get_target(&target, 0, 0);
    camera->set_eye(0, &eye, 0);
    UpdateWindow(SessionState.FigureWindow);
    camera->Release();
    scene->Release();
}

void DirectPanCalls()
{
    HostScene* scene = SessionState.App->get_scene(0);
    HostCamera* camera = scene->get_camera(0);
    Vec3 eye{};
    Vec3 target{};
    Mat4 view{};
    camera->get_eye(&eye, 0, 0);
    camera->get_target(&target, 0, 0);
    camera->get_view_matrix(&view, 0, 0);
    camera->set_eye(0, &eye, 0);
    camera->set_target(0, &target, 0);
    UpdateWindow(SessionState.FigureWindow);
    camera->Release();
    scene->Release();
}

void DirectOrbitAboutSelectionCalls()
{
    HostScene* scene = SessionState.App->get_scene(0);
    HostCamera* camera = scene->get_camera(0);
    Vec3 eye{};
    Vec3 target{};
    camera->get_eye(&eye, 0, 0);
    camera->get_target(&target, 0, 0);
    camera->set_eye(0, &eye, 0);
    camera->set_target(0, &target, 0);
    UpdateWindow(SessionState.FigureWindow);
    camera->Release();
    scene->Release();
}

// The pointer in the middle of the last pane, the perspective pane, so that
// every rectangle is asked for, and one pane type. The system's GetCursorPos
// is timed on its own.
BOOL PointerInPerspectivePane(POINT* pointer)
{
    const SandboxRect& pane = sandbox_host_state()->paneRects[3];
    *pointer = POINT{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2};
    return TRUE;
}

void DirectPaneTestCalls()
{
    HostScene* scene = SessionState.App->get_scene(0);
    HostFigureWindow* figure = scene->get_figure_window(0);
    POINT pointer{};
    HookSystem.getCursorPos(&pointer);
    HostRect rect{};
    for (int pane = 0; pane < 4; ++pane)
        scene->get_pane_rect(&rect, pane, 0);
    figure->get_pane_type(3, 0);
    figure->Release();
    scene->Release();
}

void GetCursorPosAlone()
{
    POINT pointer{};
    GetCursorPos(&pointer);
}

struct StepKind {
    const char* name;
    void (*step)(int index);
    void (*direct)();
};

const StepKind StepKinds[] = {
    {"orbit (OrbitEye)", [](int i) { OrbitEye(i % 2 != 0 ? 1.0f : -1.0f, 0.5f); }, DirectOrbitCalls},
    {"pan (PanCamera)", [](int i) { PanCamera(i % 2 != 0 ? 1.0f : -1.0f, 1.0f); }, DirectPanCalls},
    {"orbit about selection", [](int i) { OrbitAboutSelection(i % 2 != 0 ? 1.0f : -1.0f, 0.5f); },
     DirectOrbitAboutSelectionCalls},
    // With the stop at the poles: after some 180 steps the orbit runs into the stop and stays there.
    {"orbit, stop at poles",
     [](int i) {
         PluginSettings.StopAtPoles = 1;
         OrbitEye(i % 2 != 0 ? 1.0f : -1.0f, 0.5f);
         PluginSettings.StopAtPoles = 0;
     },
     DirectOrbitCalls},
    {"about selection, stop",
     [](int i) {
         PluginSettings.StopAtPoles = 1;
         OrbitAboutSelection(i % 2 != 0 ? 1.0f : -1.0f, 0.5f);
         PluginSettings.StopAtPoles = 0;
     },
     DirectOrbitAboutSelectionCalls},
    {"dolly (DollyEye)", [](int i) { DollyEye(static_cast<int16_t>(i % 2 != 0 ? 120 : -120), 0); }, DirectOrbitCalls},
    {"pane test", [](int) { CursorInPerspectivePane(); }, DirectPaneTestCalls},
};

double NanosecondsPerStep(void (*step)(int))
{
    ResetCamera();
    const double start = NowSeconds();
    for (int i = 0; i < StepIterations; ++i)
        step(i);
    return (NowSeconds() - start) * 1e9 / StepIterations;
}

double NanosecondsPerDirectStep(void (*direct)())
{
    ResetCamera();
    const double start = NowSeconds();
    for (int i = 0; i < StepIterations; ++i)
        direct();
    return (NowSeconds() - start) * 1e9 / StepIterations;
}

}  // namespace

std::vector<DecisionTiming> MeasureDecisions(HWND figure, HWND other)
{
    const HookSystemCalls saved = HookSystem;
    HookSystem.callNextHook = NextHookReturns;
    SessionState.FigureWindow = figure;
    std::vector<DecisionTiming> results;
    for (const DecisionKind& kind : DecisionKinds) {
        MSG records[Records];
        for (int i = 0; i < Records; ++i)
            records[i] = kind.record(figure, other, i);
        SessionState.Mode = kind.mode;
        std::vector<double> differences;
        for (int repetition = 0; repetition < DecisionRepetitions; ++repetition) {
            const double minimal = NanosecondsPerCall(Baseline, records);
            const double plugin = NanosecondsPerCall(Plugin, records);
            differences.push_back(plugin - minimal);
        }
        results.push_back(DecisionTiming{kind.name, Median(differences)});
    }
    HookSystem = saved;
    SessionState.Mode = ModelingMode;
    return results;
}

std::vector<OperationTiming> MeasureOperations()
{
    // UpdateWindow of no window returns at once: the repaint is the host's.
    SessionState.FigureWindow = nullptr;
    PluginSettings.Rotate = 1;
    const HookSystemCalls saved = HookSystem;
    HookSystem.getCursorPos = PointerInPerspectivePane;
    // The pivot of the orbit about the selection is found at the press, before the steps.
    SessionState.OrbitPivot = Vec3{2.0f, 1.0f, -3.0f};
    SessionState.OrbitPivotTaken = 1;
    SessionState.OrbitPivotFound = 1;
    std::vector<OperationTiming> results;
    for (const StepKind& kind : StepKinds) {
        std::vector<double> totals;
        std::vector<double> direct;
        std::vector<double> differences;
        for (int repetition = 0; repetition < StepRepetitions; ++repetition) {
            totals.push_back(NanosecondsPerStep(kind.step));
            direct.push_back(NanosecondsPerDirectStep(kind.direct));
            differences.push_back(totals.back() - direct.back());
        }
        results.push_back(OperationTiming{kind.name, Median(totals), Median(direct), Median(differences)});
    }
    HookSystem = saved;
    ResetCamera();
    return results;
}

CursorPosTiming MeasureGetCursorPos()
{
    constexpr int Calls = 200;
    POINT start{};
    GetCursorPos(&start);
    std::vector<double> afterMove;
    std::vector<double> whenStill;
    for (int repetition = 0; repetition < StepRepetitions; ++repetition) {
        SetCursorPos(start.x + repetition % 2, start.y);
        double begin = NowSeconds();
        for (int i = 0; i < Calls; ++i)
            GetCursorPosAlone();
        afterMove.push_back((NowSeconds() - begin) * 1e9 / Calls);
        Sleep(CursorStillMilliseconds);
        begin = NowSeconds();
        for (int i = 0; i < Calls; ++i)
            GetCursorPosAlone();
        whenStill.push_back((NowSeconds() - begin) * 1e9 / Calls);
    }
    SetCursorPos(start.x, start.y);
    return CursorPosTiming{Median(afterMove), Median(whenStill)};
}
