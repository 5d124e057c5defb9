#pragma once

// What the stand-in status-bar library received, for tests to read through
// its export SandboxStatusBarLog.

#include <windows.h>

enum StatusBarFunction { StatusBarAddPainCall, StatusBarSetTextCall, StatusBarSetIconCall };

struct StatusBarCall {
    int function;
    int paneId;
    char text[256];
    HICON icon;
    WNDPROC paneProc;
};

struct StatusBarLog {
    int count;
    // As some libraries do, the stand-in destroys the icon a later one
    // replaces, unless a test asks it to leave it to the caller.
    int keepsReplacedIcons;
    StatusBarCall calls[512];
};

using SandboxStatusBarLogFunction = StatusBarLog* (*)();
