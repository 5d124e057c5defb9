#pragma once

// The system as the soak shows it to the message hook: the pointer and the
// window under a point follow the soak's random pointer, the middle button and
// the timer's success are what the soak says, and nothing reaches the real
// system: no input is injected, no timer set, no cursor changed, nothing
// posted. Every call is counted.

#include <windows.h>

struct SoakSystemRecord {
    POINT pointer{};
    RECT figureOnScreen{};  // where WindowFromPoint answers the figure window
    HWND figure = nullptr;
    HWND elsewhere = nullptr;  // the window under every other point
    SHORT middleButton = 0;
    UINT_PTR timerAnswer = 2;
    HWND sibling = nullptr;  // "Z_Tarnhollow", or null when it is not there
    HCURSOR cursor = nullptr;  // the cursor shown; the soak starts it as the user's own
    LRESULT nextHookResult = 0;

    int passes = 0;
    int timersSet = 0;
    int timersKilled = 0;
    bool timerPending = false;
    int simulatedInput = 0;
    int spacePresses = 0;
    int spaceReleases = 0;
    int leftPresses = 0;
    int leftReleases = 0;
    int pointerMotions = 0;
    int cursorsSet = 0;
    int posts = 0;
};

extern SoakSystemRecord SoakSystem;

// Points HookSystem at the soak's stand-ins; the test puts USER32 back.
void InstallSoakSystem();
