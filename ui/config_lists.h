#pragma once

// What the configuration dialog edits, as data: each list with its control,
// the setting it edits and its items, and each check box with its setting. The
// dialog walks these tables; nothing here touches a window.

#include <cstdint>

#include "host/host_language.h"
#include "state/settings.h"

// How a list's selected position maps to its setting.
enum class ListEncoding {
    Position,        // the setting is the position; no selection stores -1
    WheelDirection,  // item 0 stores -1, item 1 stores 1
};

struct ConfigList {
    int controlId;
    int32_t PluginSettingsRecord::*field;
    const char* const* items[HostLanguageCount];  // the same count in each language
    int itemCount;
    ListEncoding encoding;
    int outsideItem;  // the item a value outside the list acts as
};

struct ConfigCheckBox {
    int controlId;
    int32_t PluginSettingsRecord::*field;
};

// A speed's slider, the text beside it that writes the speed, and its setting.
struct ConfigSpeedSlider {
    int controlId;
    int valueTextId;
    int32_t PluginSettingsRecord::*field;
};

// In the dialog's tab order, in which it fills them.
extern const ConfigList ConfigLists[14];
extern const ConfigCheckBox ConfigCheckBoxes[5];
extern const ConfigSpeedSlider ConfigSpeedSliders[3];

// The speeds in percent that a slider's positions stand for, slowest first:
// each √2 times the one before, rounded, so that two positions double it.
constexpr int SpeedPositionCount = 9;
extern const int32_t SpeedPositions[SpeedPositionCount];

// The list's items in the host's language.
const char* const* ListItems(const ConfigList& list, HostLanguage language);

// The position to select for a setting's value. A value that names no item
// shows the item it acts as: the last of its set, or for a drag the pan. The
// wheel direction selects the item TowardZoomsIn makes of the value, as both
// modes' wheels do: the second for any positive value, the first otherwise.
int ListSelectionFor(const ConfigList& list, int32_t value);

// The slider position that shows a speed: the one nearest to the speed it
// acts at (SpeedFactor), by ratio; a speed half way between two goes up.
int SpeedPositionFor(int32_t percent);

// The setting's value for the selected position (-1 when nothing is selected).
// A position is stored as it is; the wheel direction stores 1 for a position
// above 0 and -1 otherwise.
int32_t ListValueFor(const ConfigList& list, int selection);
