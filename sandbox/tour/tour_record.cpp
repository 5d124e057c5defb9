#include "sandbox/tour/tour_record.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "sandbox/host_windows.h"
#include "sandbox/views/host_views.h"
#include "ui/config_dialog_ids.h"
#include "ui/control_window_layout.h"
#include "ui/resource_ids.h"

namespace {

struct Search {
    HWND owner;
    int childId;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (GetWindow(window, GW_OWNER) == search->owner && std::string(className) == "#32770" &&
        GetDlgItem(window, search->childId) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindOwnedDialogWith(HWND main, int childId)
{
    Search search{main, childId, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string Utf8FromCp932(const std::string& text)
{
    const int wideLength = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(wideLength > 0 ? wideLength : 1);
    MultiByteToWideChar(932, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> utf8(length > 0 ? length : 1);
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8.data();
}

// The text of the status bar's second part, where the plug-in's pane is.
std::string PaneText(HWND statusBar)
{
    const LRESULT length = SendMessageA(statusBar, SB_GETTEXTLENGTHA, 1, 0);
    std::vector<char> text(LOWORD(length) + 1, '\0');
    SendMessageA(statusBar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text.data()));
    return Utf8FromCp932(text.data());
}

std::string SelectionNames(unsigned selection)
{
    std::string names;
    for (size_t i = 0; i < SceneShapes().size(); ++i) {
        if ((selection >> i) & 1u)
            names += std::string(names.empty() ? "" : ",") + SceneShapes()[i].name;
    }
    return names.empty() ? "none" : names;
}

std::string HeldNames(const TourState& state)
{
    if (state.spaceHeld && state.leftHeld)
        return "space,left";
    if (state.spaceHeld || state.leftHeld)
        return state.spaceHeld ? "space" : "left";
    return "none";
}

}  // namespace

HWND FindControlWindow(HWND main)
{
    return FindOwnedDialogWith(main, IDC_MODE_BUTTON);
}

HWND FindConfigDialog(HWND main)
{
    return FindOwnedDialogWith(main, IDC_CONFIG_OPTION4);
}

TourState ReadTourState(const HostSession& session)
{
    const SandboxHostState* host = sandbox_host_state();
    TourState state;
    state.eye = host->eye;
    state.target = host->target;
    state.zoom = host->zoom;
    state.bank = host->bank;
    state.view = CurrentOrthoView();
    for (int i = 0; i < host->shapeCount && i < 32; ++i)
        state.selection |= host->shapes[i].active ? 1u << i : 0u;
    if (HWND control = FindControlWindow(session.windows.main)) {
        RECT client;
        GetClientRect(control, &client);
        state.mode = client.right == CameraClientWidth ? TourMode::Camera : TourMode::Modeling;
        state.restoreEnabled = IsWindowEnabled(GetDlgItem(control, IDC_RESTORE_BUTTON)) != FALSE;
        state.undoEnabled = IsWindowEnabled(GetDlgItem(control, IDC_UNDO_BUTTON)) != FALSE;
    }
    if (HWND dialog = FindConfigDialog(session.windows.main)) {
        state.configDialogShown = true;
        char caption[128] = "";
        GetWindowTextA(dialog, caption, sizeof caption);
        state.configDialogCaption = Utf8FromCp932(caption);
    }
    state.paneText = PaneText(session.windows.statusBar);
    state.picture = CaptureFigure(session.windows.figure);
    GetFigurePanes(session.windows.figure, state.panes);
    GetCursorPos(&state.pointer);
    ScreenToClient(session.windows.figure, &state.pointer);
    state.spaceHeld = GetAsyncKeyState(VK_SPACE) < 0;
    state.leftHeld = GetAsyncKeyState(VK_LBUTTON) < 0;
    state.hostActive = GetForegroundWindow() == session.windows.main;
    return state;
}

std::string TourLine(int index, const std::string& name, const TourState& state)
{
    const char* mode = state.mode == TourMode::Camera ? "camera" : state.mode == TourMode::Modeling ? "modeling" : "?";
    char line[512];
    std::snprintf(line, sizeof line,
                  "%02d %-44s mode %-8s eye %.3f %.3f %.3f  target %.3f %.3f %.3f  zoom %.3f  bank %.3f  "
                  "view scale %.3f centre %.3f %.3f %.3f  selected %s  buttons restore %s undo %s  held %s  pane \"",
                  index, name.c_str(), mode, state.eye.x, state.eye.y, state.eye.z, state.target.x, state.target.y,
                  state.target.z, state.zoom, state.bank, state.view.scale, state.view.centre.x, state.view.centre.y,
                  state.view.centre.z, SelectionNames(state.selection).c_str(), state.restoreEnabled ? "on" : "off",
                  state.undoEnabled ? "on" : "off", HeldNames(state).c_str());
    return line + state.paneText + "\"";
}
