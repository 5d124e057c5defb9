#pragma once

// The sandbox host's windows, as the real host lays them out: a main window
// whose first child is the figure window with four view panes, a status bar
// with the name box of the selected shape in its first part, and the separate
// window captioned "Z_Tarnhollow" that another plug-in owns.

#include <windows.h>

#include "sandbox/views/pane_types.h"
#include "sandbox/views/scene_drawing.h"

struct HostWindows {
    HWND main = nullptr;
    HWND figure = nullptr;
    HWND statusBar = nullptr;
    HWND nameBox = nullptr;  // one of the host's own text fields
    HWND tarnhollow = nullptr;
};

// Creates the windows (main window shown) and keeps the sandbox host's pane
// rectangles and types in step with the figure window's place on screen.
// With `doubleClicks` the figure window's class asks for double clicks
// (CS_DBLCLKS), as the classes of the common application frameworks do.
HostWindows CreateHostWindows(HINSTANCE instance, int width, int height, bool doubleClicks = false);

// The pane layout inside the figure window's client area: top, front, side,
// perspective, row by row.
RECT PaneClientRect(HWND figure, int pane);

// The four panes with their rectangles, types and titles, in pane order.
void GetFigurePanes(HWND figure, FigurePane panes[4]);

// 0x8001 messages received by the "Z_Tarnhollow" window.
int TarnhollowNotifications();

// WM_TIMER messages of timers other than the host's own that reached the
// figure window's procedure.
int FigureWindowTimerMessages();

// The host's own timer on its view, ticking while the windows live.
constexpr UINT_PTR HostViewTimerId = 2;
int HostViewTimerTicks();

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

// Asks for one report of a camera change to the handler, however many
// changes come before the main window's loop gets to it.
void PostCameraChanged();

// The host's menu entry of a plug-in: an item of the "Plug-ins" menu in the
// main window's menu bar, named as the plug-in answered get_name; choosing it
// calls `open`, as the host calls the component's open_configuration.
constexpr UINT HostPluginMenuCommand = 40001;
void AddPluginMenuEntry(const char* name, void (*open)());
