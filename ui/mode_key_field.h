#pragma once

// The configuration dialog's mode-key field: comctl32's hot-key control, taken
// over so that it keeps its key until the user presses another whole key or
// clears it with Backspace or Delete. Shift, Ctrl and Alt pressed alone show
// while they are held and leave the key as it was, also when the field loses
// the keyboard with them down (Shift+Tab, a click elsewhere). A key that types
// or edits text in the host's fields is refused unless Ctrl or Alt is held,
// or each press of it there would also switch the mode; a note under the
// field says so until the next key.

#include <windows.h>

#include <cstdint>

enum class ModeKeyFieldVerdict {
    Modifier,  // Shift, Ctrl or Alt: no key yet
    Clear,     // the field holds no key from now on
    Refuse,    // the field keeps its key and says why
    Take,      // the key, with the modifiers held, is the field's
};

// What the field does with a virtual key pressed while the modifiers
// (HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT) are held.
ModeKeyFieldVerdict ModeKeyFieldVerdictFor(uint8_t virtualKey, uint8_t modifiers);

// Takes over the dialog's field. From then on HKM_SETHOTKEY gives the field
// its key and HKM_GETHOTKEY answers with the key it holds, never with
// modifiers alone.
void TakeOverModeKeyField(HWND field);
