#pragma once

// The plug-in's stored settings while the tour plays: the tour starts from
// the built-in defaults, with the control window shown where the tour wants
// it, and puts the user's own settings back when it ends, since the
// configuration step saves what it changed.

#include <windows.h>

#include <string>
#include <vector>

struct StoredValue {
    std::string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

struct StoredSettings {
    bool existed = false;
    std::vector<StoredValue> values;
};

// Reads every value under the plug-in's key, then deletes the key.
StoredSettings TakeAsideSettings();

// The defaults, but for the control window: shown, with its top-left corner
// at `controlWindow` (screen pixels).
void WriteTourSettings(POINT controlWindow);

// Deletes what the tour left under the key and writes the user's values back.
void PutBackSettings(const StoredSettings& stored);
