#pragma once

// The configuration dialog: a modeless dialog from template 108 (118 on a host
// in English, with the same controls), owned by the host's main window, where
// the user edits every setting. OK replaces PluginSettings with the controls'
// contents, saves them, shows them in every other open dialog and shows or
// hides the control window; Cancel and the close box change nothing. While it
// is open the settings in effect stay as they were.

#include <windows.h>

// How many dialogs are open. The hook looks at it at every key: without a
// dialog it must not pay for a call.
extern int OpenConfigDialogs;

// Opens a new dialog, also while another one is open, records it in
// SessionState.ConfigWindow and shows it. When the dialog cannot be created
// nothing is shown.
void ShowConfigDialog();

// Hands a keyboard message aimed at an open configuration dialog or one of its
// controls to the dialog's own keyboard handling (Tab, arrows, Enter, Esc),
// which a host's message loop knows nothing of. True when the dialog took and
// dispatched it; the host must then not dispatch it again.
bool TakeConfigDialogKey(MSG& message);

// True when the window is the mode-key field of an open configuration dialog:
// while it has the keyboard, every key is the field's, the mode key included.
bool IsConfigDialogKeyField(HWND window);

// True when the window is an open configuration dialog.
bool IsConfigDialog(HWND window);

// The dialog procedure of template 108.
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
