#pragma once

// The sandbox host's windows, as the real host lays them out: a main window
// whose first child is the figure window with four view panes, a status bar,
// and the separate window captioned "Z_Tarnhollow" that another plug-in owns.

#include <windows.h>

struct HostWindows {
    HWND main = nullptr;
    HWND figure = nullptr;
    HWND statusBar = nullptr;
    HWND tarnhollow = nullptr;
};

// Pane types the host reports: the perspective pane is 3, the others differ.
enum HostPaneType { PaneTop = 0, PaneFront = 1, PaneSide = 2, PanePerspective = 3 };

// Creates the windows (main window shown) and keeps the sandbox host's pane
// rectangles and types in step with the figure window's place on screen.
HostWindows CreateHostWindows(HINSTANCE instance, int width, int height);

// The pane layout inside the figure window's client area: top, front, side,
// perspective, row by row.
RECT PaneClientRect(HWND figure, int pane);

// 0x8001 messages received by the "Z_Tarnhollow" window.
int TarnhollowNotifications();

// WM_TIMER messages with identifier 2 that reached the figure window's procedure.
int FigureWindowTimerMessages();

// The host's own view navigation: space plus a left drag in the figure window.
struct SpacePanCounters {
    int leftDownsWithSpace;
    int movesWithSpaceAndLeft;
};
SpacePanCounters FigureWindowSpacePans();

// Posted to the main window when the host's camera changed; the host then
// tells the component through the handler.
constexpr UINT HostCameraChangedMessage = WM_APP + 0x40;
void SetCameraChangedHandler(void (*handler)());

// The host's menu entry of a plug-in: an item of the "Plug-ins" menu in the
// main window's menu bar, named as the plug-in answered get_name; choosing it
// calls `open`, as the host calls the component's open_configuration.
constexpr UINT HostPluginMenuCommand = 40001;
void AddPluginMenuEntry(const char* name, void (*open)());
