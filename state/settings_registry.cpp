#include "state/settings_registry.h"

#include <windows.h>

#include <cstdint>

#include "state/mode_key.h"
#include "state/registry_key.h"
#include "state/session_state.h"
#include "state/settings.h"

const char SettingsKeyPath[] = "Software\\KELDARN\\Z_Vormelt10";

LONG(WINAPI* SetSettingsValue)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) = RegSetValueExA;

namespace {

constexpr int32_t DefaultControlWndCoordinate = 200;

struct NamedSetting {
    const char* name;
    int32_t PluginSettingsRecord::*field;
    // Whether a value read is one the field can hold; a value it refuses is
    // treated as one that cannot be read. Any number will do where it is null.
    bool (*accepts)(int32_t value) = nullptr;
};

// The order in which the values are read and written.
constexpr NamedSetting StoredSettings[] = {
    {"Rotate", &PluginSettingsRecord::Rotate},
    {"Option11", &PluginSettingsRecord::Option11},
    {"Option12", &PluginSettingsRecord::Option12},
    {"Option13", &PluginSettingsRecord::Option13},
    {"Option8", &PluginSettingsRecord::Option8},
    {"Option9", &PluginSettingsRecord::Option9},
    {"Option10", &PluginSettingsRecord::Option10},
    {"Option1", &PluginSettingsRecord::Option1},
    {"Option2", &PluginSettingsRecord::Option2},
    {"Option3", &PluginSettingsRecord::Option3},
    {"Option4", &PluginSettingsRecord::Option4},
    {"Option5", &PluginSettingsRecord::Option5},
    {"Option6", &PluginSettingsRecord::Option6},
    {"Option7", &PluginSettingsRecord::Option7},
    {"PerspectiveOnly", &PluginSettingsRecord::PerspectiveOnly},
    {"StartCameraMode", &PluginSettingsRecord::StartCameraMode},
    {"ShowControlWnd", &PluginSettingsRecord::ShowControlWnd},
    {"ModeKey", &PluginSettingsRecord::ModeKey, IsModeKeyValue},
    {"StopAtPoles", &PluginSettingsRecord::StopAtPoles},
    {"OrbitSpeed", &PluginSettingsRecord::OrbitSpeed},
    {"PanSpeed", &PluginSettingsRecord::PanSpeed},
    {"WheelSpeed", &PluginSettingsRecord::WheelSpeed},
    {"FollowDisplayScale", &PluginSettingsRecord::FollowDisplayScale},
};

// The holder stays empty when the key cannot be had.
void OpenForReading(RegistryKey& key)
{
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_READ, key.receive()) != ERROR_SUCCESS)
        *key.receive() = nullptr;
}

void OpenOrCreateForWriting(RegistryKey& key)
{
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, KEY_WRITE, key.receive()) == ERROR_SUCCESS)
        return;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, key.receive(), nullptr) != ERROR_SUCCESS)
        *key.receive() = nullptr;
}

// Text is no number: "200" typed as a string is four bytes that would read as
// 3,158,066.
bool IsTextType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Any other value of exactly four bytes counts, whatever its type. A shorter
// one is refused like a longer one: it would replace only part of the field.
bool ReadInt32(HKEY key, const char* name, int32_t& value)
{
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        size != sizeof data || IsTextType(type))
        return false;
    value = static_cast<int32_t>(data);
    return true;
}

bool WriteInt32(HKEY key, const char* name, int32_t value)
{
    const DWORD data = static_cast<DWORD>(value);
    return SetSettingsValue(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

}  // namespace

void LoadSettings()
{
    RegistryKey key;
    OpenForReading(key);
    if (!key)
        return;
    for (const NamedSetting& setting : StoredSettings) {
        int32_t value = 0;
        if (ReadInt32(key.get(), setting.name, value) && (setting.accepts == nullptr || setting.accepts(value)))
            PluginSettings.*setting.field = value;
    }
}

bool SaveSettings()
{
    RegistryKey key;
    OpenOrCreateForWriting(key);
    if (!key)
        return false;
    bool written = true;
    for (const NamedSetting& setting : StoredSettings)
        written = WriteInt32(key.get(), setting.name, PluginSettings.*setting.field) && written;
    return written;
}

void LoadControlWndPosition()
{
    RegistryKey key;
    OpenForReading(key);
    if (!key || !ReadInt32(key.get(), "PosX", SessionState.PosX))
        SessionState.PosX = DefaultControlWndCoordinate;
    if (!key || !ReadInt32(key.get(), "PosY", SessionState.PosY))
        SessionState.PosY = DefaultControlWndCoordinate;
}

void SaveControlWndPosition()
{
    RegistryKey key;
    OpenOrCreateForWriting(key);
    if (!key)
        return;
    WriteInt32(key.get(), "PosX", SessionState.PosX);
    WriteInt32(key.get(), "PosY", SessionState.PosY);
}
