#pragma once

// A recording stand-in for the system calls of the message hook: every call is
// logged in order, and the answers that steer the hook are plain fields.

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "input/hook_system_calls.h"

struct SystemCall {
    std::string name;
    long long a = 0;
    long long b = 0;
    long long c = 0;
    std::string text;
};

struct FakeHookSystem {
    std::vector<SystemCall> calls;
    HWND windowUnderPointer = nullptr;
    POINT lastWindowFromPoint = {0, 0};
    POINT pointer = {0, 0};
    SHORT middleButtonState = 0;
    std::set<int> keysDown;  // what GetKeyState finds down
    UINT_PTR timerResult = 1;  // what SetTimer answers on success
    std::set<UINT_PTR> timers;  // the figure window's timers set and not killed
    HWND sibling = reinterpret_cast<HWND>(0x5151);
    HCURSOR currentCursor = reinterpret_cast<HCURSOR>(0x777);
    LRESULT nextHookResult = 77;
    SIZE doubleClickRectangle = {4, 4};
    DWORD queueStatus = 0;
    int swapButtons = 0;  // the left-handed setting
    HWND capture = nullptr;
    LPARAM injectedExtraInfo = 0;  // what the last simulated button carried
    LPARAM messageExtraInfo = 0;
    int figureDpi = 96;  // the figure window's display; every other window's is at 96 dpi  // what the message delivered carries: set to the above for the simulated one

    int Count(const std::string& name) const;
    // The calls with these names, in order, as "name(a,b,c)".
    std::vector<std::string> Sequence() const;
};

// Routes the hook's system calls to `fake` until RestoreUser32HookSystem.
extern FakeHookSystem* Fake;
void InstallFakeHookSystem(FakeHookSystem& fake);
void RestoreUser32HookSystem();
