// The stand-in status-bar library: one pane per registered id in the sandbox
// host's status bar, showing its icon and text, with left and right clicks on it
// forwarded to the registered procedure in screen coordinates. It takes over
// the icons it is given, destroying each when the next replaces it. Every call
// is logged for the tests.

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "sandbox/statusbar/status_bar_log.h"

namespace {

StatusBarLog Log;

struct Pane {
    int id = 0;
    WNDPROC proc = nullptr;
    char text[256] = "";
    HICON icon = nullptr;
};

Pane ThePane;
HWND StatusBar = nullptr;
WNDPROC PreviousStatusBarProc = nullptr;

StatusBarCall& Record(int function, int paneId)
{
    static StatusBarCall overflow;
    StatusBarCall& call = Log.count < static_cast<int>(sizeof Log.calls / sizeof Log.calls[0])
                              ? Log.calls[Log.count]
                              : overflow;
    ++Log.count;
    call = StatusBarCall{};
    call.function = function;
    call.paneId = paneId;
    return call;
}

// As wide as its icon and text in the status bar's font, at any scale, with
// the size grip beside them, as a real status bar sizes its panes.
int PaneWidth()
{
    const HDC dc = GetDC(StatusBar);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(StatusBar, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32A(dc, ThePane.text, static_cast<int>(std::strlen(ThePane.text)), &text);
    SelectObject(dc, font);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(StatusBar, dc);
    return text.cx + GetSystemMetrics(SM_CXSMICON) + GetSystemMetrics(SM_CXVSCROLL) + MulDiv(12, dpi, 96);
}

// The pane is the status bar's last part.
void ShowPane()
{
    if (StatusBar == nullptr || ThePane.proc == nullptr)
        return;
    RECT client;
    GetClientRect(StatusBar, &client);
    int edges[2] = {client.right - PaneWidth(), -1};
    SendMessageA(StatusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    SendMessageA(StatusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(ThePane.text));
    SendMessageA(StatusBar, SB_SETICON, 1, reinterpret_cast<LPARAM>(ThePane.icon));
}

bool InPane(HWND window, LPARAM lParam)
{
    RECT part;
    SendMessageA(window, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
    const POINT client = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&part, client) != FALSE;
}

LRESULT CALLBACK StatusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) && ThePane.proc != nullptr &&
        InPane(window, lParam)) {
        POINT screen = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(window, &screen);
        return CallWindowProcA(ThePane.proc, window, message, wParam, MAKELPARAM(screen.x, screen.y));
    }
    if (message == WM_SIZE) {
        const LRESULT result = CallWindowProcA(PreviousStatusBarProc, window, message, wParam, lParam);
        ShowPane();
        return result;
    }
    return CallWindowProcA(PreviousStatusBarProc, window, message, wParam, lParam);
}

}  // namespace

extern "C" {

int ZBR_AddPain(int paneId, WNDPROC paneProc)
{
    Record(StatusBarAddPainCall, paneId).paneProc = paneProc;
    ThePane.id = paneId;
    ThePane.proc = paneProc;
    ShowPane();
    return 1;
}

int ZBR_SetText(int paneId, const char* text)
{
    StatusBarCall& call = Record(StatusBarSetTextCall, paneId);
    std::strncpy(call.text, text, sizeof call.text - 1);
    if (paneId == ThePane.id) {
        std::strncpy(ThePane.text, text, sizeof ThePane.text - 1);
        ShowPane();
    }
    return 1;
}

int ZBR_SetIcon(int paneId, HICON icon)
{
    Record(StatusBarSetIconCall, paneId).icon = icon;
    if (paneId == ThePane.id) {
        const HICON replaced = ThePane.icon;
        ThePane.icon = icon;
        ShowPane();
        if (replaced != nullptr && replaced != icon && !Log.keepsReplacedIcons)
            DestroyIcon(replaced);
    }
    return 1;
}

StatusBarLog* SandboxStatusBarLog()
{
    return &Log;
}

// The sandbox host names its status bar here; a real library finds it itself.
void SandboxStatusBarAttach(HWND statusBar)
{
    StatusBar = statusBar;
    PreviousStatusBarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(statusBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StatusBarProc)));
    ShowPane();
}

}  // extern "C"
