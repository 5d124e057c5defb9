#include "sandbox/tour/tour_script.h"

#include <cstdio>

#include "sandbox/host_message_loop.h"
#include "sandbox/injected_input.h"
#include "sandbox/screenshot.h"
#include "sandbox/tour/gestures.h"
#include "sandbox/tour/tour_settings.h"
#include "sandbox/views/host_views.h"
#include "ui/config_dialog_ids.h"
#include "ui/resource_ids.h"

namespace {

constexpr BYTE NonConvertKey = 0x1D;
constexpr int BankItem = 3;
constexpr int ConeShape = 1;

struct TourPlay {
    HostSession session;
    std::string folder;
    FILE* log = nullptr;
    std::vector<TourStep> steps;
};

HWND Main(const TourPlay& tour)
{
    return tour.session.windows.main;
}

void SelectCone(const HostSession& host)
{
    ClickAt(WorldInPane(host, PaneTop, WorldCentre(*sandbox_host_state(), ConeShape)));
    Settle();
}

void WheelInAboutDrawingCentre(const HostSession& host)
{
    WheelAt(host, InPane(host, PaneTop, 0.7, 0.3), -WheelNotch, 1);
}

void WheelOutAboutDrawingCentre(const HostSession& host)
{
    WheelAt(host, InPane(host, PaneTop, 0.7, 0.3), WheelNotch, 1);
}

void CtrlWheelInAboutCursor(const HostSession& host)
{
    WheelAt(host, InPane(host, PaneFront, 0.25, 0.3), -WheelNotch, 1, VK_CONTROL);
}

void CtrlWheelOutAboutCursor(const HostSession& host)
{
    WheelAt(host, InPane(host, PaneFront, 0.25, 0.3), WheelNotch, 1, VK_CONTROL);
}

void ShiftWheelInAboutSelection(const HostSession& host)
{
    WheelAt(host, InPane(host, PaneSide, 0.3, 0.6), -WheelNotch, 1, VK_SHIFT);
}

void ShiftWheelOutAboutSelection(const HostSession& host)
{
    WheelAt(host, InPane(host, PaneSide, 0.3, 0.6), WheelNotch, 1, VK_SHIFT);
}

// 290 in nine parts: two whole notches, and 50 that wait for more.
void TouchpadWheelOutAboutDrawingCentre(const HostSession& host)
{
    WheelPartsAt(host, InPane(host, PaneTop, 0.7, 0.3), {30, 15, 45, 30, 40, 30, 50, 20, 30});
}

void PanTopPaneWithMiddleButton(const HostSession& host)
{
    MiddleButtonPan(host, InPane(host, PaneTop, 0.5, 0.5), 60, 40);
}

void MiddleDragPansAtOnce(const HostSession& host)
{
    MiddleDragAtOnce(host, InPane(host, PaneTop, 0.4, 0.4), 60, 40);
}

// NONCONVERT while the pan is held, the release in CameraMode, and NONCONVERT
// again back to ModelingMode.
void ModeSwitchDuringAPan(const HostSession& host)
{
    MiddleDragPressingKey(host, InPane(host, PaneTop, 0.5, 0.5), -60, -40, NonConvertKey);
}

void CtrlMiddleDoubleClick(const HostSession& host)
{
    MiddleDoubleClick(host, InPane(host, PaneFront, 0.5, 0.5), VK_CONTROL);
}

void PlainMiddleDoubleClick(const HostSession& host)
{
    MiddleDoubleClick(host, InPane(host, PaneFront, 0.5, 0.5), 0);
}

void PressNonConvert(const HostSession& host)
{
    ActivateHost(host);
    PressKey(NonConvertKey);
}

POINT PerspectiveCentre(const HostSession& host)
{
    return InPane(host, PanePerspective, 0.5, 0.5);
}

void LeftDragOrbitsEye(const HostSession& host)
{
    Drag(PerspectiveCentre(host), 40, 15, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void RightDragOrbitsTarget(const HostSession& host)
{
    Drag(PerspectiveCentre(host), -10, 5, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void MiddleDragPansCamera(const HostSession& host)
{
    Drag(PerspectiveCentre(host), 40, 25, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
}

void WheelDolliesEye(const HostSession& host)
{
    WheelAt(host, PerspectiveCentre(host), -WheelNotch, 3);
}

void LeftWheelDolliesTarget(const HostSession& host)
{
    WheelWithButton(host, PerspectiveCentre(host), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 3);
}

void RightWheelChangesFocalLength(const HostSession& host)
{
    WheelWithButton(host, PerspectiveCentre(host), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 5);
}

void MiddleWheelChangesBank(const HostSession& host)
{
    WheelWithButton(host, PerspectiveCentre(host), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 3);
}

void StoreCamera(const HostSession& host)
{
    ClickDialogItem(FindControlWindow(host.windows.main), IDC_STORE_BUTTON);
}

void OrbitAfterStoring(const HostSession& host)
{
    Drag(PerspectiveCentre(host), -30, -10, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void RestoreCamera(const HostSession& host)
{
    ClickDialogItem(FindControlWindow(host.windows.main), IDC_RESTORE_BUTTON);
}

void PanBeforeUndo(const HostSession& host)
{
    Drag(PerspectiveCentre(host), -30, 20, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
}

void UndoDrag(const HostSession& host)
{
    ClickDialogItem(FindControlWindow(host.windows.main), IDC_UNDO_BUTTON);
}

// The host's "Plug-ins" menu, then the plug-in's entry in it.
void OpenConfiguration(const HostSession& host)
{
    ActivateHost(host);
    RECT plugins{};
    GetMenuItemRect(host.windows.main, GetMenu(host.windows.main), 0, &plugins);
    PickFromNextMenu(0);
    ClickAt(Centre(plugins));
    PumpUntil([&] { return FindConfigDialog(host.windows.main) != nullptr; }, 5000);
    Settle();
}

// Drops the plain wheel's list and clicks its fourth item, "傾き" (tilt) or,
// on a host in English, "Bank".
void ChooseBankForTheWheel(const HostSession& host)
{
    const HWND list = GetDlgItem(FindConfigDialog(host.windows.main), IDC_CONFIG_OPTION4);
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

void ConfirmConfiguration(const HostSession& host)
{
    ClickDialogItem(FindConfigDialog(host.windows.main), IDOK);
    PumpUntil([&] { return FindConfigDialog(host.windows.main) == nullptr; });
    Settle();
}

void WheelNowChangesBank(const HostSession& host)
{
    WheelAt(host, PerspectiveCentre(host), -WheelNotch, 3);
}

struct ScriptedStep {
    const char* name;
    void (*play)(const HostSession&);
    bool languageDependent = false;
};

const ScriptedStep Script[] = {
    {"select-cone-by-click", SelectCone},
    {"wheel-in-about-drawing-centre", WheelInAboutDrawingCentre},
    {"wheel-out-about-drawing-centre", WheelOutAboutDrawingCentre},
    {"ctrl-wheel-in-about-cursor", CtrlWheelInAboutCursor},
    {"ctrl-wheel-out-about-cursor", CtrlWheelOutAboutCursor},
    {"shift-wheel-in-about-selection", ShiftWheelInAboutSelection},
    {"shift-wheel-out-about-selection", ShiftWheelOutAboutSelection},
    {"touchpad-wheel-out-about-drawing-centre", TouchpadWheelOutAboutDrawingCentre},
    {"middle-button-pan", PanTopPaneWithMiddleButton},
    {"middle-drag-pans-at-once", MiddleDragPansAtOnce},
    {"mode-switch-during-a-pan", ModeSwitchDuringAPan},
    {"ctrl-middle-double-click-scrolls-to-selection", CtrlMiddleDoubleClick},
    {"middle-double-click-fits-drawing", PlainMiddleDoubleClick},
    {"nonconvert-enters-camera-mode", PressNonConvert, true},
    {"left-drag-orbits-eye", LeftDragOrbitsEye},
    {"right-drag-orbits-target", RightDragOrbitsTarget},
    {"middle-drag-pans-camera", MiddleDragPansCamera},
    {"wheel-dollies-eye", WheelDolliesEye},
    {"left-button-wheel-dollies-target", LeftWheelDolliesTarget},
    {"right-button-wheel-changes-focal-length", RightWheelChangesFocalLength},
    {"middle-button-wheel-changes-bank", MiddleWheelChangesBank},
    {"store-camera", StoreCamera, true},
    {"orbit-after-storing", OrbitAfterStoring, true},
    {"restore-camera", RestoreCamera, true},
    {"pan-before-undo", PanBeforeUndo, true},
    {"undo-drag", UndoDrag, true},
    {"open-configuration-from-plug-ins-menu", OpenConfiguration, true},
    {"choose-tilt-for-plain-wheel", ChooseBankForTheWheel, true},
    {"confirm-configuration", ConfirmConfiguration, true},
    {"plain-wheel-now-changes-bank", WheelNowChangesBank, true},
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

std::vector<TourStep> PlayTour(const SandboxExports* exports, void* component, const std::string& folder,
                               TourSteps which)
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
    ActivateHost(tour.session);
    MovePointerTo(POINT{8, 8});
    KeepPointerClipped(true);
    Record(tour, "start");
    for (const ScriptedStep& step : Script) {
        if (which == TourSteps::LanguageDependent && !step.languageDependent)
            continue;
        step.play(tour.session);
        Record(tour, step.name);
    }
    KeepPointerClipped(false);
    EndHostSession(tour.session);
    if (tour.log != nullptr)
        std::fclose(tour.log);
    PutBackSettings(userSettings);
    return std::move(tour.steps);
}
