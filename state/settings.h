#pragma once

// The user's choices, one process-wide record holding the built-in defaults
// from module load on. Readers take a field at the moment they need it, so a
// change applies from the next message on.

#include <cstdint>

struct PluginSettingsRecord {
    int32_t PerspectiveOnly = 0;
    int32_t Rotate = 1;  // wheel direction: 1 or -1 (TowardZoomsIn)
    int32_t ShowControlWnd = 0;
    int32_t StartCameraMode = 0;
    int32_t Option7 = 3;  // camera wheel with the middle button (WheelAction)
    int32_t Option6 = 2;  // camera wheel with the right button (WheelAction)
    int32_t Option5 = 1;  // camera wheel with the left button (WheelAction)
    int32_t Option4 = 0;  // camera wheel alone (WheelAction)
    int32_t Option3 = 2;  // camera middle drag (DragAction)
    int32_t Option2 = 1;  // camera right drag (DragAction)
    int32_t Option1 = 0;  // camera left drag (DragAction)
    int32_t Option10 = 2;  // modeling Shift + wheel (ZoomCentre)
    int32_t Option9 = 1;   // modeling Ctrl + wheel (ZoomCentre)
    int32_t Option8 = 0;   // modeling wheel alone (ZoomCentre)
    int32_t Option13 = 2;  // Shift + middle double click (DoubleClickAction)
    int32_t Option12 = 1;  // Ctrl + middle double click (DoubleClickAction)
    int32_t Option11 = 0;  // middle double click alone (DoubleClickAction)
    int32_t ModeKey = 0x1D;  // the key that switches the mode (state/mode_key.h); NONCONVERT
    int32_t StopAtPoles = 0;  // camera orbits stop short of looking straight down or up
    int32_t OrbitSpeed = 100;  // percent of the orbits' degree per pixel (SpeedFactor)
    int32_t PanSpeed = 100;    // percent of the camera pan's unit per pixel (SpeedFactor)
    int32_t WheelSpeed = 100;  // percent of every camera-mode wheel step (SpeedFactor)
    int32_t FollowDisplayScale = 0;  // camera drags count pixels as of a display at 96 dpi
};

extern PluginSettingsRecord PluginSettings;

// The wheel's direction, read alike by both modes' wheels and by the dialog:
// with a positive Rotate turning the wheel toward the user zooms in, with any
// other value it zooms out. Values set by hand act as one of the two.
inline bool TowardZoomsIn(int32_t rotate)
{
    return rotate > 0;
}

// The speed in percent that a speed setting acts at: a value set by hand
// beyond 10..1000 acts as the nearer end, and is kept as stored.
constexpr int32_t SlowestSpeed = 10;
constexpr int32_t FastestSpeed = 1000;
inline int32_t ActingSpeed(int32_t percent)
{
    return percent < SlowestSpeed ? SlowestSpeed : percent > FastestSpeed ? FastestSpeed : percent;
}

// The multiple of the built-in step that a speed setting stands for.
inline float SpeedFactor(int32_t percent)
{
    return static_cast<float>(ActingSpeed(percent)) / 100.0f;
}
