#include "sandbox/host_windows.h"

#include <commctrl.h>

#include <algorithm>

#include "sandbox/host_bridge.h"
#include "sandbox/views/host_views.h"

namespace {

const char MainClass[] = "VormeltSandboxHost";
const char FigureClass[] = "VormeltSandboxFigure";
const char TarnhollowClass[] = "VormeltSandboxTarnhollow";
constexpr UINT TarnhollowMessage = 0x8001;
constexpr UINT HostViewTimerInterval = 100;

int Notifications = 0;
int TimerMessages = 0;
int HostTicks = 0;
SpacePanCounters SpacePans = {};
HostWindows Windows;
void (*CameraChangedHandler)() = nullptr;
bool CameraReportPending = false;
void (*PluginMenuHandler)() = nullptr;

const char* const PaneTitles[4] = {"Top", "Front", "Side", "Perspective"};
const int PaneTypes[4] = {PaneTop, PaneFront, PaneSide, PanePerspective};

void PublishPanes()
{
    SandboxHostState* state = sandbox_host_state();
    for (int pane = 0; pane < 4; ++pane) {
        RECT rect = PaneClientRect(Windows.figure, pane);
        MapWindowPoints(Windows.figure, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        state->paneRects[pane] = SandboxRect{rect.left, rect.top, rect.right, rect.bottom};
        state->paneTypes[pane] = PaneTypes[pane];
    }
}

POINT ClientPoint(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK FigureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        PaintFigureWindow(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    case WM_TIMER:
        ++(wParam == HostViewTimerId ? HostTicks : TimerMessages);
        return 0;
    case WM_LBUTTONDOWN:
        if (GetKeyState(VK_SPACE) < 0)
            ++SpacePans.leftDownsWithSpace;
        FigureLeftButtonDown(window, ClientPoint(lParam), wParam);
        return 0;
    case WM_MOUSEMOVE:
        if ((wParam & MK_LBUTTON) && GetKeyState(VK_SPACE) < 0)
            ++SpacePans.movesWithSpaceAndLeft;
        FigureMouseMove(window, ClientPoint(lParam), wParam);
        return 0;
    case WM_LBUTTONUP:
        FigureLeftButtonUp(window);
        return 0;
    case WM_WINDOWPOSCHANGED:
        PublishPanes();
        FigureLayoutChanged(window);
        break;
    case WM_DESTROY:
        FigureDestroyed(window);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void LayOut(HWND main)
{
    RECT client;
    GetClientRect(main, &client);
    SendMessageA(Windows.statusBar, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(Windows.statusBar, &status);
    const int statusHeight = status.bottom - status.top;
    MoveWindow(Windows.figure, 0, 0, client.right, client.bottom - statusHeight, TRUE);
    RECT firstPart{};
    SendMessageA(Windows.statusBar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&firstPart));
    // Room for a short name at any scale, and never over the parts the status-bar library added.
    const int nameWidth = std::min(statusHeight * 3, static_cast<int>(firstPart.right - firstPart.left) - 4);
    MoveWindow(Windows.nameBox, firstPart.left + 2, firstPart.top + 1, nameWidth, firstPart.bottom - firstPart.top - 2,
               TRUE);
    PublishPanes();
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (Windows.figure != nullptr)
            LayOut(window);
        return 0;
    case WM_MOVE:
        if (Windows.figure != nullptr)
            PublishPanes();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case HostCameraChangedMessage:
        CameraReportPending = false;
        if (CameraChangedHandler != nullptr)
            CameraChangedHandler();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == HostPluginMenuCommand && PluginMenuHandler != nullptr)
            PluginMenuHandler();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK TarnhollowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == TarnhollowMessage) {
        ++Notifications;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Register(HINSTANCE instance, const char* name, WNDPROC proc, HBRUSH background)
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

}  // namespace

RECT PaneClientRect(HWND figure, int pane)
{
    RECT client;
    GetClientRect(figure, &client);
    const int halfWidth = client.right / 2;
    const int halfHeight = client.bottom / 2;
    const int column = pane % 2;
    const int row = pane / 2;
    RECT rect;
    rect.left = column * halfWidth;
    rect.top = row * halfHeight;
    rect.right = column == 0 ? halfWidth : client.right;
    rect.bottom = row == 0 ? halfHeight : client.bottom;
    return rect;
}

HostWindows CreateHostWindows(HINSTANCE instance, int width, int height, bool doubleClicks)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Register(instance, MainClass, MainProc, GetSysColorBrush(COLOR_APPWORKSPACE));
    Register(instance, FigureClass, FigureProc, nullptr);
    Register(instance, TarnhollowClass, TarnhollowProc, nullptr);

    Windows = HostWindows{};
    CameraReportPending = false;
    Windows.main = CreateWindowExA(0, MainClass, "Vormelt sandbox host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   40, 40, width, height, nullptr, nullptr, instance, nullptr);
    // Created first, so it is the main window's first child, as in the host.
    Windows.figure = CreateWindowExA(0, FigureClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 10, 10,
                                     Windows.main, nullptr, instance, nullptr);
    // The class is the process's: each set of windows says what it asks for.
    const LONG_PTR figureStyle = GetClassLongPtrA(Windows.figure, GCL_STYLE) & ~static_cast<LONG_PTR>(CS_DBLCLKS);
    SetClassLongPtrA(Windows.figure, GCL_STYLE, figureStyle | (doubleClicks ? CS_DBLCLKS : 0));
    SetTimer(Windows.figure, HostViewTimerId, HostViewTimerInterval, nullptr);
    Windows.statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                        Windows.main, nullptr, instance, nullptr);
    Windows.nameBox = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "Box01", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                                      0, 0, 0, Windows.statusBar, nullptr, instance, nullptr);
    SendMessageA(Windows.nameBox, WM_SETFONT, SendMessageA(Windows.statusBar, WM_GETFONT, 0, 0), FALSE);
    Windows.tarnhollow = CreateWindowExA(0, TarnhollowClass, "Z_Tarnhollow", WS_OVERLAPPED, 0, 0, 100, 100,
                                         nullptr, nullptr, instance, nullptr);
    LayOut(Windows.main);
    ShowWindow(Windows.main, SW_SHOW);
    UpdateWindow(Windows.main);
    PublishPanes();
    return Windows;
}

void SetCameraChangedHandler(void (*handler)())
{
    CameraChangedHandler = handler;
}

void PostCameraChanged()
{
    if (CameraReportPending || Windows.main == nullptr)
        return;
    CameraReportPending = PostMessageA(Windows.main, HostCameraChangedMessage, 0, 0) != FALSE;
}

void GetFigurePanes(HWND figure, FigurePane panes[4])
{
    for (int pane = 0; pane < 4; ++pane)
        panes[pane] = FigurePane{PaneClientRect(figure, pane), PaneTypes[pane], PaneTitles[pane]};
}

void AddPluginMenuEntry(const char* name, void (*open)())
{
    PluginMenuHandler = open;
    HMENU plugins = CreatePopupMenu();
    AppendMenuA(plugins, MF_STRING, HostPluginMenuCommand, name);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugins), "Plug-ins");
    SetMenu(Windows.main, bar);
}

int TarnhollowNotifications()
{
    return Notifications;
}

int FigureWindowTimerMessages()
{
    return TimerMessages;
}

int HostViewTimerTicks()
{
    return HostTicks;
}

SpacePanCounters FigureWindowSpacePans()
{
    return SpacePans;
}
