#pragma once

// PluginSettings and the control window's position in the registry, under
// HKEY_CURRENT_USER\Software\KELDARN\Z_Vormelt10, one REG_DWORD per field named
// as the field. A value that cannot be read keeps the field's current value; a
// write that fails is ignored, and nothing is ever reported.

extern const char SettingsKeyPath[];

// Overlays the 17 settings with what the key holds.
void LoadSettings();

// Writes the 17 settings, creating the key when it does not exist yet.
void SaveSettings();

// Sets SessionState.PosX and PosY; each coordinate the key does not give is 200.
void LoadControlWndPosition();

// Writes SessionState.PosX and PosY.
void SaveControlWndPosition();
