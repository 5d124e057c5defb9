#include "sandbox/tour/tour_settings.h"

namespace {

const char SettingsKey[] = "Software\\KELDARN\\Z_Vormelt10";

// An open registry key, closed when the holder ends.
class OpenKey {
public:
    explicit OpenKey(bool create)
    {
        if (create)
            RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        else
            RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key_);
    }
    ~OpenKey()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

void WriteValue(HKEY key, const StoredValue& value)
{
    RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
}

StoredValue Dword(const char* name, DWORD number)
{
    StoredValue value{name, REG_DWORD, std::vector<BYTE>(4)};
    for (int i = 0; i < 4; ++i)
        value.data[i] = static_cast<BYTE>(number >> (8 * i));
    return value;
}

}  // namespace

StoredSettings TakeAsideSettings()
{
    StoredSettings stored;
    {
        OpenKey key(false);
        stored.existed = key.get() != nullptr;
        for (DWORD index = 0; key.get() != nullptr; ++index) {
            char name[256];
            DWORD nameLength = sizeof name;
            DWORD type = 0;
            BYTE data[1024];
            DWORD dataLength = sizeof data;
            if (RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
                break;
            stored.values.push_back(StoredValue{name, type, std::vector<BYTE>(data, data + dataLength)});
        }
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
    return stored;
}

void WriteTourSettings(POINT controlWindow)
{
    OpenKey key(true);
    if (key.get() == nullptr)
        return;
    WriteValue(key.get(), Dword("ShowControlWnd", 1));
    WriteValue(key.get(), Dword("PosX", static_cast<DWORD>(controlWindow.x)));
    WriteValue(key.get(), Dword("PosY", static_cast<DWORD>(controlWindow.y)));
}

void PutBackSettings(const StoredSettings& stored)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKey);
    if (!stored.existed)
        return;
    OpenKey key(true);
    if (key.get() == nullptr)
        return;
    for (const StoredValue& value : stored.values)
        WriteValue(key.get(), value);
}
