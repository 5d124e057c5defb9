#pragma once

// The one process-wide record of what the plug-in keeps between calls. It is
// zero at module load except for the four fields that start at 1, and nothing in
// it is freed or reset while the process lives. Everything that touches it runs
// on the host's user-interface thread.

#include <windows.h>

#include <cstdint>

#include "host/geometry_types.h"
#include "host/host_language.h"
#include "state/wheel_accumulator.h"

class HostApp;

constexpr int32_t ModelingMode = 0;
constexpr int32_t CameraMode = 1;

struct CameraSnapshot {
    Vec3 eye;
    Vec3 target;
    float zoom;
    float bank;
};

struct SessionStateRecord {
    HostApp* App = nullptr;  // borrowed from the host, never released
    HWND MainWindow = nullptr;
    HWND FigureWindow = nullptr;
    HWND ControlWindow = nullptr;
    HWND ConfigWindow = nullptr;
    HWND ModeButton = nullptr;
    HWND ButtonTips = nullptr;  // the control window's tooltips, owned by it
    HWND HostKeyboard = nullptr;  // the host's window that had the keyboard at the last press on the control window
    HWND DialogKeyboard = nullptr;  // the host's window where the user typed before the open dialogs took the keyboard
    HINSTANCE ModuleInstance = nullptr;
    HMODULE StatusBarModule = nullptr;
    HICON ModelingIcon = nullptr;
    HICON CameraIcon = nullptr;
    HICON PaneIcons[2] = {};  // each mode's status-pane icon at PaneIconSize, never handed out
    int32_t PaneIconSize = 0;
    HICON PaneIconShown = nullptr;  // the copy last handed to the status-bar library
    int32_t ControlDpi = 0;  // the control window's layout DPI, 0 until it is laid out
    HCURSOR PanCursor = nullptr;
    HCURSOR SavedCursor = nullptr;
    HHOOK HookHandle = nullptr;
    int32_t Mode = ModelingMode;
    // Asked once, at the attachment; the windows speak it from then on.
    HostLanguage Language = HostLanguage::Japanese;
    int32_t FirstAttach = 1;
    int32_t KeyLatch = 1;
    int32_t MiddleLatch = 1;
    int32_t OrbitVerticalSign = 1;
    // The orbit about the selection's pivot, looked for at the press of its drag.
    int32_t OrbitPivotTaken = 0;  // the drag going on has looked for it
    int32_t OrbitPivotFound = 0;  // shapes were selected, and OrbitPivot is their centre
    Vec3 OrbitPivot{};
    uint32_t MiddleTimerId = 0;
    int32_t FirstClickX = 0;  // client position of the press that started the timer
    int32_t FirstClickY = 0;
    int32_t PanPressed = 0;  // the simulated space key and primary button are down
    int32_t PanPressAwaited = 0;  // the pan's simulated press has not yet been taken from the queue
    int32_t PanCaptured = 0;  // the figure window holds the mouse for the pan's simulated button
    int32_t PanButtonsSwapped = 0;  // as the system's buttons were when the pan began: its press was the right one
    uint32_t PressesWithHost = 0;  // MK_LBUTTON, MK_RBUTTON: the figure window's last such press went to the host
    uint32_t CameraDragButtons = 0;  // MK_ flags of the camera presses taken whose releases are still to come
    int32_t CameraDragEnded = 0;  // the drag ended before its buttons came up: their moves act no more
    int32_t DragCaptured = 0;  // the figure window holds the mouse for a camera drag
    int32_t PressedInPerspective = 0;
    int32_t LastMouseX = 0;
    int32_t LastMouseY = 0;
    int32_t PosX = 0;
    int32_t PosY = 0;
    int32_t NcLeftDown = 0;  // 1 from a left press on the control window's body until its drag ends
    POINT DragGrip{};        // where that press holds the window, from its top-left corner
    WNDPROC PrevControlProc = nullptr;
    CameraSnapshot MemoryCamera{};
    CameraSnapshot UndoCamera{};
    WheelSumRecord WheelSum{};
};

extern SessionStateRecord SessionState;
