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
    StatusBarCall calls[512];
};

using SandboxStatusBarLogFunction = StatusBarLog* (*)();
