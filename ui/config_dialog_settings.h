#pragma once

// The configuration dialog's controls and PluginSettings, both ways: the
// lists' items, the settings shown in the controls, and OK's taking and saving
// of what the controls hold.

#include <windows.h>

// Fills every list with its items in the host's language.
void FillConfigLists(HWND dialog);

// Shows the settings in effect in every control of the dialog.
void ShowCurrentSettings(HWND dialog);

// OK: replaces PluginSettings with the controls' contents, saves them, shows
// them in every other open dialog and shows or hides the control window. When
// they cannot be saved, a message box over the dialog says so.
void AcceptDialogSettings(HWND dialog);
