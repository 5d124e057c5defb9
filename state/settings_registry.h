#pragma once

// PluginSettings and the control window's position in the registry, under
// HKEY_CURRENT_USER\Software\KELDARN\Z_Vormelt10, one REG_DWORD per field named
// as the field. A value that cannot be read keeps the field's current value; a
// write that fails does not stop the others.

#include <windows.h>

extern const char SettingsKeyPath[];

// The call that writes a value, RegSetValueExA unless a test replaces it to
// see a write fail.
extern LONG(WINAPI* SetSettingsValue)(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                      DWORD size);

// Overlays every field of PluginSettings with what the key holds.
void LoadSettings();

// Writes every field of PluginSettings, creating the key when it does not
// exist yet. False when the key could be neither opened nor created, or a
// value's write failed.
bool SaveSettings();

// Sets SessionState.PosX and PosY; each coordinate the key does not give is 200.
void LoadControlWndPosition();

// Writes SessionState.PosX and PosY.
void SaveControlWndPosition();
