#pragma once

// Tooltips for the control window's buttons, which are too small to explain
// themselves: each names, in the host's language, what a click does.

#include <windows.h>

#include <cstdint>

#include "host/host_language.h"

// Adds a tooltip to the mode button and the store, restore and undo buttons,
// also while they are disabled, and records it in SessionState.ButtonTips.
// Their texts are asked for when a tip is about to show (AnswerTipRequest).
// The buttons must have their final places.
void AddButtonTips(HWND window);

// The tools of the buttons' places follow the buttons, laid out anew at
// another DPI: over a disabled button the tip shows where it stands now.
void MoveButtonTips(HWND window);

// The mode button's tip names the mode a click switches to from now on, also
// while it shows, as it does while the pointer rests on the button just clicked.
void RenewModeButtonTip();

// Hands the tooltip a non-client mouse move over the window's body (screen
// point as WM_NCMOUSEMOVE packs it): over a disabled button the window gets
// the moves.
void RelayToButtonTips(HWND window, LPARAM screenPoint);

// The tip of a control-window button: the mode button's names the mode a click
// switches to. Null for any other control.
const char* ButtonTip(int controlId, int32_t mode, HostLanguage language);

// Fills a tooltip's request for its text (TTN_GETDISPINFOA) sent to the control
// window; any other notification is left alone.
void AnswerTipRequest(LPARAM notification);
