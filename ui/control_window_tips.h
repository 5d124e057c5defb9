#pragma once

// Tooltips for the control window's buttons, which are too small to explain
// themselves: each names, in the host's language, what a click does.

#include <windows.h>

#include <cstdint>

#include "plugin/host_language.h"

// Adds a tooltip to the mode button and the store, restore and undo buttons.
// Their texts are asked for when a tip is about to show (AnswerTipRequest).
void AddButtonTips(HWND window);

// The tip of a control-window button: the mode button's names the mode a click
// switches to. Null for any other control.
const char* ButtonTip(int controlId, int32_t mode, HostLanguage language);

// Fills a tooltip's request for its text (TTN_GETDISPINFOA) sent to the control
// window; any other notification is left alone.
void AnswerTipRequest(LPARAM notification);
