#pragma once

// The line under the configuration dialog's mode-key field that says why the
// field refused a key: hidden until then, and as wide as its text in the
// dialog's font, ending under the field's right edge.

#include <windows.h>

// Shows the note of the dialog that holds the field, placed under it, or hides it.
void ShowModeKeyNote(HWND field, bool shown);

// True while the field's note about a refused key shows.
bool ModeKeyNoteShown(HWND field);
