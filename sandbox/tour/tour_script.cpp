#include "sandbox/tour/tour_script.h"

#include <cstdio>
#include <functional>

#include "sandbox/host_message_loop.h"
#include "sandbox/injected_input.h"
#include "sandbox/screenshot.h"
#include "sandbox/tour/tour_settings.h"
#include "sandbox/views/host_views.h"

namespace {

constexpr int WheelNotch = 120;
constexpr BYTE NonConvertKey = 0x1D;
constexpr int StoreButtonId = 1008;
constexpr int RestoreButtonId = 1009;
constexpr int UndoButtonId = 1007;
constexpr int PlainWheelListId = 1013;
constexpr int BankItem = 3;
constexpr int ConeShape = 1;

struct TourPlay {
    HostSession session;
    std::string folder;
    FILE* log = nullptr;
    std::vector<TourStep> steps;
};

// Runs the host's loop until it has had nothing to do for a while: input,
// the repaints it causes and the camera reports the host posts are all done.
void Settle(DWORD quietMilliseconds = 60, DWORD limitMilliseconds = 3000)
{
    const DWORD start = GetTickCount();
    DWORD quietSince = start;
    while (GetTickCount() - start < limitMilliseconds) {
        if (PumpOneMessage(false)) {
            quietSince = GetTickCount();
            continue;
        }
        if (GetTickCount() - quietSince >= quietMilliseconds)
            return;
        Sleep(5);
    }
}

// Runs the host's loop until `done` or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMilliseconds = 3000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMilliseconds)
            return false;
        if (!PumpOneMessage(false))
            Sleep(5);
    }
    return true;
}

HWND Main(const TourPlay& tour)
{
    return tour.session.windows.main;
}

FigurePane PaneOfType(const TourPlay& tour, int type)
{
    FigurePane panes[4];
    GetFigurePanes(tour.session.windows.figure, panes);
    for (const FigurePane& pane : panes) {
        if (pane.type == type)
            return pane;
    }
    return panes[0];
}

POINT OnScreen(const TourPlay& tour, const PanePoint& client)
{
    POINT point = {static_cast<LONG>(client.x + 0.5), static_cast<LONG>(client.y + 0.5)};
    ClientToScreen(tour.session.windows.figure, &point);
    return point;
}

// A point of a pane's drawing area, at fractions of its width and height.
POINT InPane(const TourPlay& tour, int type, double across, double down)
{
    const PaneArea area = DrawingArea(PaneOfType(tour, type).rect);
    return OnScreen(tour, PanePoint{area.left + area.Width() * across, area.top + area.Height() * down});
}

// Where a world point shows in an orthographic pane.
POINT WorldInPane(const TourPlay& tour, int type, const Point3& point)
{
    const PaneArea area = DrawingArea(PaneOfType(tour, type).rect);
    return OnScreen(tour, OrthoToPane(CurrentOrthoView(), type, area, point));
}

POINT Offset(POINT point, int dx, int dy)
{
    return POINT{point.x + dx, point.y + dy};
}

// The user brings the host to the front by clicking its caption.
void ActivateHost(const TourPlay& tour)
{
    if (GetForegroundWindow() == Main(tour))
        return;
    RECT frame;
    GetWindowRect(Main(tour), &frame);
    ClickAt(POINT{frame.left + 120, frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
    Settle();
}

void HoldKey(BYTE key, bool down)
{
    if (key != 0) {
        SendKey(key, !down);
        Settle();
    }
}

// Wheel notches with the pointer at `at`, a modifier key held throughout.
void WheelAt(const TourPlay& tour, POINT at, int delta, int notches, BYTE modifier = 0)
{
    ActivateHost(tour);
    MovePointerTo(at);
    Settle();
    HoldKey(modifier, true);
    for (int notch = 0; notch < notches; ++notch) {
        TurnWheel(delta);
        Settle();
    }
    HoldKey(modifier, false);
}

// Wheel notches toward the user while a mouse button is held.
void WheelWithButton(const TourPlay& tour, POINT at, DWORD down, DWORD up, int notches)
{
    ActivateHost(tour);
    MovePointerTo(at);
    Settle();
    SendButton(down);
    Settle();
    for (int notch = 0; notch < notches; ++notch) {
        TurnWheel(-WheelNotch);
        Settle();
    }
    SendButton(up);
    Settle();
}

// A drag by (dx, dy) in a few moves, each left to take effect before the next.
void Drag(POINT from, int dx, int dy, DWORD down, DWORD up)
{
    constexpr int Moves = 5;
    MovePointerTo(from);
    Settle();
    SendButton(down);
    Settle();
    for (int move = 1; move <= Moves; ++move) {
        MovePointerTo(Offset(from, dx * move / Moves, dy * move / Moves));
        Settle();
    }
    SendButton(up);
    Settle();
}

void MiddleDoubleClick(const TourPlay& tour, BYTE modifier)
{
    ActivateHost(tour);
    MovePointerTo(InPane(tour, PaneFront, 0.5, 0.5));
    Settle();
    HoldKey(modifier, true);
    for (int click = 0; click < 2; ++click) {
        SendButton(MOUSEEVENTF_MIDDLEDOWN);
        SendButton(MOUSEEVENTF_MIDDLEUP);
    }
    Settle();
    HoldKey(modifier, false);
}

void ClickControlButton(const TourPlay& tour, int id)
{
    RECT button{};
    GetWindowRect(GetDlgItem(FindControlWindow(Main(tour)), id), &button);
    ClickAt(Centre(button));
    Settle();
}

// ---- the steps ----

void SelectCone(TourPlay& tour)
{
    ClickAt(WorldInPane(tour, PaneTop, WorldCentre(*sandbox_host_state(), ConeShape)));
    Settle();
}

void WheelInAboutDrawingCentre(TourPlay& tour)
{
    WheelAt(tour, InPane(tour, PaneTop, 0.7, 0.3), -WheelNotch, 1);
}

void WheelOutAboutDrawingCentre(TourPlay& tour)
{
    WheelAt(tour, InPane(tour, PaneTop, 0.7, 0.3), WheelNotch, 1);
}

void CtrlWheelInAboutCursor(TourPlay& tour)
{
    WheelAt(tour, InPane(tour, PaneFront, 0.25, 0.3), -WheelNotch, 1, VK_CONTROL);
}

void CtrlWheelOutAboutCursor(TourPlay& tour)
{
    WheelAt(tour, InPane(tour, PaneFront, 0.25, 0.3), WheelNotch, 1, VK_CONTROL);
}

void ShiftWheelInAboutSelection(TourPlay& tour)
{
    WheelAt(tour, InPane(tour, PaneSide, 0.3, 0.6), -WheelNotch, 1, VK_SHIFT);
}

void ShiftWheelOutAboutSelection(TourPlay& tour)
{
    WheelAt(tour, InPane(tour, PaneSide, 0.3, 0.6), WheelNotch, 1, VK_SHIFT);
}

// Held past the double-click time, the middle button becomes the host's own
// space-plus-left-drag pan.
void MiddleButtonPan(TourPlay& tour)
{
    ActivateHost(tour);
    const POINT from = InPane(tour, PaneTop, 0.5, 0.5);
    MovePointerTo(from);
    Settle();
    const SpacePanCounters before = FigureWindowSpacePans();
    SendButton(MOUSEEVENTF_MIDDLEDOWN);
    PumpUntil([&] { return FigureWindowSpacePans().leftDownsWithSpace > before.leftDownsWithSpace; });
    Settle();
    constexpr int Moves = 5;
    for (int move = 1; move <= Moves; ++move) {
        MovePointerTo(Offset(from, 60 * move / Moves, 40 * move / Moves));
        Settle();
    }
    SendButton(MOUSEEVENTF_MIDDLEUP);
    PumpUntil([] { return GetKeyState(VK_SPACE) >= 0 && GetKeyState(VK_LBUTTON) >= 0; });
    Settle();
}

void CtrlMiddleDoubleClick(TourPlay& tour)
{
    MiddleDoubleClick(tour, VK_CONTROL);
}

void PlainMiddleDoubleClick(TourPlay& tour)
{
    MiddleDoubleClick(tour, 0);
}

void PressNonConvert(TourPlay& tour)
{
    ActivateHost(tour);
    SendKey(NonConvertKey, false);
    Settle();
    SendKey(NonConvertKey, true);
    Settle();
}

POINT PerspectiveCentre(const TourPlay& tour)
{
    return InPane(tour, PanePerspective, 0.5, 0.5);
}

void LeftDragOrbitsEye(TourPlay& tour)
{
    Drag(PerspectiveCentre(tour), 40, 15, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void RightDragOrbitsTarget(TourPlay& tour)
{
    Drag(PerspectiveCentre(tour), -10, 5, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void MiddleDragPansCamera(TourPlay& tour)
{
    Drag(PerspectiveCentre(tour), 40, 25, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
}

void WheelDolliesEye(TourPlay& tour)
{
    WheelAt(tour, PerspectiveCentre(tour), -WheelNotch, 3);
}

void LeftWheelDolliesTarget(TourPlay& tour)
{
    WheelWithButton(tour, PerspectiveCentre(tour), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 3);
}

void RightWheelChangesFocalLength(TourPlay& tour)
{
    WheelWithButton(tour, PerspectiveCentre(tour), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 5);
}

void MiddleWheelChangesBank(TourPlay& tour)
{
    WheelWithButton(tour, PerspectiveCentre(tour), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 3);
}

void StoreCamera(TourPlay& tour)
{
    ClickControlButton(tour, StoreButtonId);
}

void OrbitAfterStoring(TourPlay& tour)
{
    Drag(PerspectiveCentre(tour), -30, -10, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void RestoreCamera(TourPlay& tour)
{
    ClickControlButton(tour, RestoreButtonId);
}

void PanBeforeUndo(TourPlay& tour)
{
    Drag(PerspectiveCentre(tour), -30, 20, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
}

void UndoDrag(TourPlay& tour)
{
    ClickControlButton(tour, UndoButtonId);
}

// The host's "Plug-ins" menu, then the plug-in's entry in it.
void OpenConfiguration(TourPlay& tour)
{
    ActivateHost(tour);
    RECT plugins{};
    GetMenuItemRect(Main(tour), GetMenu(Main(tour)), 0, &plugins);
    PickFromNextMenu(0);
    ClickAt(Centre(plugins));
    PumpUntil([&] { return FindConfigDialog(Main(tour)) != nullptr; }, 5000);
    Settle();
}

// Drops the plain wheel's list and clicks "傾き" (tilt) in it.
void ChooseBankForTheWheel(TourPlay& tour)
{
    const HWND list = GetDlgItem(FindConfigDialog(Main(tour)), PlainWheelListId);
    RECT closed{};
    GetWindowRect(list, &closed);
    ClickAt(POINT{closed.right - 8, (closed.top + closed.bottom) / 2});
    Settle();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(list, &info);
    RECT item{};
    SendMessageA(info.hwndList, LB_GETITEMRECT, BankItem, reinterpret_cast<LPARAM>(&item));
    MapWindowPoints(info.hwndList, nullptr, reinterpret_cast<POINT*>(&item), 2);
    ClickAt(Centre(item));
    Settle();
}

void ConfirmConfiguration(TourPlay& tour)
{
    RECT ok{};
    GetWindowRect(GetDlgItem(FindConfigDialog(Main(tour)), IDOK), &ok);
    ClickAt(Centre(ok));
    PumpUntil([&] { return FindConfigDialog(Main(tour)) == nullptr; });
    Settle();
}

void WheelNowChangesBank(TourPlay& tour)
{
    WheelAt(tour, PerspectiveCentre(tour), -WheelNotch, 3);
}

struct ScriptedStep {
    const char* name;
    void (*play)(TourPlay&);
};

const ScriptedStep Script[] = {
    {"select-cone-by-click", SelectCone},
    {"wheel-in-about-drawing-centre", WheelInAboutDrawingCentre},
    {"wheel-out-about-drawing-centre", WheelOutAboutDrawingCentre},
    {"ctrl-wheel-in-about-cursor", CtrlWheelInAboutCursor},
    {"ctrl-wheel-out-about-cursor", CtrlWheelOutAboutCursor},
    {"shift-wheel-in-about-selection", ShiftWheelInAboutSelection},
    {"shift-wheel-out-about-selection", ShiftWheelOutAboutSelection},
    {"middle-button-pan", MiddleButtonPan},
    {"ctrl-middle-double-click-scrolls-to-selection", CtrlMiddleDoubleClick},
    {"middle-double-click-fits-drawing", PlainMiddleDoubleClick},
    {"nonconvert-enters-camera-mode", PressNonConvert},
    {"left-drag-orbits-eye", LeftDragOrbitsEye},
    {"right-drag-orbits-target", RightDragOrbitsTarget},
    {"middle-drag-pans-camera", MiddleDragPansCamera},
    {"wheel-dollies-eye", WheelDolliesEye},
    {"left-button-wheel-dollies-target", LeftWheelDolliesTarget},
    {"right-button-wheel-changes-focal-length", RightWheelChangesFocalLength},
    {"middle-button-wheel-changes-bank", MiddleWheelChangesBank},
    {"store-camera", StoreCamera},
    {"orbit-after-storing", OrbitAfterStoring},
    {"restore-camera", RestoreCamera},
    {"pan-before-undo", PanBeforeUndo},
    {"undo-drag", UndoDrag},
    {"open-configuration-from-plug-ins-menu", OpenConfiguration},
    {"choose-tilt-for-plain-wheel", ChooseBankForTheWheel},
    {"confirm-configuration", ConfirmConfiguration},
    {"plain-wheel-now-changes-bank", WheelNowChangesBank},
};

void RemoveOldPictures(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\\?\?-*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void Record(TourPlay& tour, const std::string& name)
{
    RedrawWindow(Main(tour), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settle();
    TourStep step;
    step.name = name;
    step.state = ReadTourState(tour.session);
    char number[8];
    std::snprintf(number, sizeof number, "%02d", static_cast<int>(tour.steps.size()));
    const std::string path = tour.folder + "\\" + number + "-" + name + ".png";
    const OwnedBitmap picture = CaptureWindowWithOwned(Main(tour));
    if (SavePng(picture.get(), path))
        step.picture = path;
    if (tour.log != nullptr) {
        std::fprintf(tour.log, "%s\n", TourLine(static_cast<int>(tour.steps.size()), name, step.state).c_str());
        std::fflush(tour.log);
    }
    tour.steps.push_back(std::move(step));
}

}  // namespace

std::vector<TourStep> PlayTour(const SandboxExports* exports, void* component, const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    RemoveOldPictures(folder);
    const StoredSettings userSettings = TakeAsideSettings();
    WriteTourSettings(POINT{TourHostOrigin.x, TourHostOrigin.y + TourHostSize.cy + 20});

    TourPlay tour;
    tour.folder = folder;
    tour.log = std::fopen((folder + "\\tour.txt").c_str(), "w");
    tour.session = StartHostSession(exports, component, TourHostOrigin, TourHostSize);
    // The pointer starts away from the host, which the user brings to the front.
    MovePointerTo(POINT{8, 8});
    Settle();
    ActivateHost(tour);
    MovePointerTo(POINT{8, 8});
    Record(tour, "start");
    for (const ScriptedStep& step : Script) {
        step.play(tour);
        Record(tour, step.name);
    }
    EndHostSession(tour.session);
    if (tour.log != nullptr)
        std::fclose(tour.log);
    PutBackSettings(userSettings);
    return std::move(tour.steps);
}
