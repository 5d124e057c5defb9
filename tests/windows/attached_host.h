#pragma once

// The plug-in attached to the sandbox host's windows, as the host attaches it:
// the component created and called through its table, the host's main window
// with the figure window as its first child, the stand-in status-bar library
// showing the pane in the host's status bar, the plug-in's resources in this
// test program's module, and a fresh registry key.

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "sandbox/host_windows.h"
#include "sandbox/statusbar/status_bar_log.h"
#include "tests/support/sandbox_host_fixture.h"

class AttachedHostTest : public SandboxHostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The host's windows, shown; the status bar is lent to the status-bar library.
    void CreateWindows();
    // The component's attach operation, called by the host; the windows are
    // created first when they are not there yet.
    void Attach();

    // The status-bar library's calls since the test began.
    std::vector<StatusBarCall> StatusCalls() const;
    // The text of the last ZBR_SetText, in UTF-8.
    std::string LastPaneText() const;

    HostWindows windows;
    void* component = nullptr;
};

// Dispatches everything pending on this thread.
void PumpMessages();

// Types a key, with `held` pressed around it when given, as real keyboard
// input to the focused window (KEYEVENTF_EXTENDEDKEY in `flags` for a key of
// the block beside the number pad); its first message is peeked at before the
// host's loop removes it, as a host that peeks would.
void TypeKey(BYTE key, BYTE held = 0, DWORD flags = 0);

// The client area's width and height.
SIZE ClientSize(HWND window);

// The window rectangle's top-left corner in screen coordinates.
POINT WindowOrigin(HWND window);

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, int id);

// An icon's width and height in pixels; 0 x 0 for no icon.
SIZE IconSize(HICON icon);

// A text of Windows or the host, in code page 932, as UTF-8.
std::string Utf8FromCp932(const char* text);

// The text of a control of the control window, as UTF-8.
std::string ControlText(HWND window, int id);

// The display's DPI this run was given (VORMELT_DISPLAY_DPI), 96 in the plain run.
inline int RunDpi() { return std::getenv("VORMELT_DISPLAY_DPI") ? std::atoi(std::getenv("VORMELT_DISPLAY_DPI")) : 96; }
