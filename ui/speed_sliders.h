#pragma once

// The configuration dialog's speed sliders. A slider's position is one of
// SpeedPositions; the text beside it writes the speed the setting acts at. A
// speed set by hand that no position stands for is shown at the nearest
// position and kept, unless the user moves that slider: each slider holds the
// speed it stands for.

#include <windows.h>

#include "state/settings.h"

// Gives every slider its positions; Page Up and Page Down move two, which
// halves or doubles the speed.
void SetUpSpeedSliders(HWND dialog);

// Shows the settings' speeds.
void ShowSpeeds(HWND dialog, const PluginSettingsRecord& settings);

// The user moved `slider` (the dialog's WM_HSCROLL): it now stands for the
// speed of its position, unless it is still at the position of the speed it
// stood for.
void FollowSpeedSlider(HWND dialog, HWND slider);

// Writes the speed each slider stands for into `settings`.
void TakeSpeeds(HWND dialog, PluginSettingsRecord& settings);
