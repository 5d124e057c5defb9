#pragma once

// The plug-in's registry key in the test's own Wine prefix, removed before and
// after each test that uses it, and written value by value.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "state/settings.h"
#include "state/settings_registry.h"

// Each stored value's name with the field of the settings record it holds.
struct SettingsField {
    const char* name;
    int32_t PluginSettingsRecord::*field;
};

inline const SettingsField SettingsFields[] = {
    {"PerspectiveOnly", &PluginSettingsRecord::PerspectiveOnly},
    {"Rotate", &PluginSettingsRecord::Rotate},
    {"ShowControlWnd", &PluginSettingsRecord::ShowControlWnd},
    {"StartCameraMode", &PluginSettingsRecord::StartCameraMode},
    {"Option7", &PluginSettingsRecord::Option7},
    {"Option6", &PluginSettingsRecord::Option6},
    {"Option5", &PluginSettingsRecord::Option5},
    {"Option4", &PluginSettingsRecord::Option4},
    {"Option3", &PluginSettingsRecord::Option3},
    {"Option2", &PluginSettingsRecord::Option2},
    {"Option1", &PluginSettingsRecord::Option1},
    {"Option10", &PluginSettingsRecord::Option10},
    {"Option9", &PluginSettingsRecord::Option9},
    {"Option8", &PluginSettingsRecord::Option8},
    {"Option13", &PluginSettingsRecord::Option13},
    {"Option12", &PluginSettingsRecord::Option12},
    {"Option11", &PluginSettingsRecord::Option11},
    {"ModeKey", &PluginSettingsRecord::ModeKey},
    {"StopAtPoles", &PluginSettingsRecord::StopAtPoles},
    {"OrbitSpeed", &PluginSettingsRecord::OrbitSpeed},
    {"PanSpeed", &PluginSettingsRecord::PanSpeed},
    {"WheelSpeed", &PluginSettingsRecord::WheelSpeed},
    {"FollowDisplayScale", &PluginSettingsRecord::FollowDisplayScale},
};

inline void DeleteSettingsKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath);
}

inline bool SettingsKeyExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline void WriteSettingsValue(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

inline void WriteSettingsDword(const char* name, int32_t value)
{
    WriteSettingsValue(name, REG_DWORD, &value, sizeof value);
}

struct StoredValue {
    bool present = false;
    DWORD type = 0;
    std::vector<unsigned char> data;

    int32_t AsInt32() const
    {
        int32_t value = 0;
        for (size_t i = 0; i < data.size() && i < 4; ++i)
            value |= static_cast<int32_t>(static_cast<uint32_t>(data[i]) << (8 * i));
        return value;
    }
};

inline StoredValue ReadSettingsValue(const char* name)
{
    StoredValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        value.present = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return value;
}

inline DWORD SettingsValueCount()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD count = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return count;
}
