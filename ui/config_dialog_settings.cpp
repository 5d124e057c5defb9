#include "ui/config_dialog_settings.h"

#include <commctrl.h>

#include "state/session_state.h"
#include "state/settings.h"
#include "state/settings_registry.h"
#include "ui/config_dialog.h"
#include "ui/config_dialog_ids.h"
#include "ui/config_lists.h"
#include "ui/control_window.h"
#include "ui/speed_sliders.h"
#include "ui/texts/texts.h"

namespace {

// Every control is read before anything is written, so the record is never
// left half replaced.
void TakeSettingsFromControls(HWND dialog)
{
    PluginSettingsRecord settings = PluginSettings;
    for (const ConfigList& list : ConfigLists) {
        const auto selection = static_cast<int>(SendDlgItemMessageA(dialog, list.controlId, CB_GETCURSEL, 0, 0));
        settings.*list.field = ListValueFor(list, selection);
    }
    for (const ConfigCheckBox& box : ConfigCheckBoxes)
        settings.*box.field = IsDlgButtonChecked(dialog, box.controlId) == BST_CHECKED ? 1 : 0;
    // The key and its modifier flags as the field holds them; an empty field is no key.
    const LRESULT key = SendDlgItemMessageA(dialog, IDC_CONFIG_MODE_KEY, HKM_GETHOTKEY, 0, 0);
    settings.ModeKey = static_cast<int32_t>(key & 0xFFFF);
    TakeSpeeds(dialog, settings);
    PluginSettings = settings;
}

BOOL CALLBACK ShowSavedSettingsUnlessAccepted(HWND window, LPARAM accepted) noexcept
{
    if (window != reinterpret_cast<HWND>(accepted) && IsConfigDialog(window))
        ShowCurrentSettings(window);
    return TRUE;
}

}  // namespace

void FillConfigLists(HWND dialog)
{
    for (const ConfigList& list : ConfigLists) {
        const char* const* items = ListItems(list, SessionState.Language);
        for (int i = 0; i < list.itemCount; ++i)
            SendDlgItemMessageA(dialog, list.controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
    }
}

void ShowCurrentSettings(HWND dialog)
{
    for (const ConfigList& list : ConfigLists)
        SendDlgItemMessageA(dialog, list.controlId, CB_SETCURSEL,
                            static_cast<WPARAM>(ListSelectionFor(list, PluginSettings.*list.field)), 0);
    // Any nonzero flag counts as set; a plain check box knows only checked and cleared.
    for (const ConfigCheckBox& box : ConfigCheckBoxes)
        CheckDlgButton(dialog, box.controlId, PluginSettings.*box.field != 0 ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_CONFIG_MODE_KEY, HKM_SETHOTKEY, static_cast<WPARAM>(PluginSettings.ModeKey), 0);
    ShowSpeeds(dialog, PluginSettings);
}

// A dialog still showing the values it was opened with would save them back
// with its own OK: every other open dialog shows what was just saved. Settings
// that could not be saved still apply until the host closes; the user is told
// that they will be gone then.
void AcceptDialogSettings(HWND dialog)
{
    TakeSettingsFromControls(dialog);
    const bool saved = SaveSettings();
    EnumThreadWindows(GetCurrentThreadId(), ShowSavedSettingsUnlessAccepted, reinterpret_cast<LPARAM>(dialog));
    ShowControlWindow(PluginSettings.ShowControlWnd != 0);
    if (!saved) {
        const WindowTexts& texts = WindowTextsIn(SessionState.Language);
        MessageBoxA(dialog, texts.settingsNotSaved, texts.settingsCaption, MB_OK | MB_ICONWARNING);
    }
}
