#include "ui/speed_sliders.h"

#include <commctrl.h>

#include <cwchar>

#include "ui/config_lists.h"

namespace {

// "×1", "×1.4", "×0.25": the factor with as many decimals as it has.
void WriteSpeed(HWND dialog, const ConfigSpeedSlider& slider, int32_t percent)
{
    const int32_t acting = ActingSpeed(percent);
    wchar_t text[16];
    if (acting % 100 == 0)
        swprintf(text, 16, L"\u00D7%d", acting / 100);
    else if (acting % 10 == 0)
        swprintf(text, 16, L"\u00D7%d.%d", acting / 100, acting % 100 / 10);
    else
        swprintf(text, 16, L"\u00D7%d.%02d", acting / 100, acting % 100);
    SetDlgItemTextW(dialog, slider.valueTextId, text);
}

void Show(HWND dialog, const ConfigSpeedSlider& slider, int32_t percent)
{
    const HWND control = GetDlgItem(dialog, slider.controlId);
    SetWindowLongPtrA(control, GWLP_USERDATA, percent);
    SendMessageA(control, TBM_SETPOS, TRUE, SpeedPositionFor(percent));
    WriteSpeed(dialog, slider, percent);
}

int32_t SpeedOf(HWND dialog, const ConfigSpeedSlider& slider)
{
    return static_cast<int32_t>(GetWindowLongPtrA(GetDlgItem(dialog, slider.controlId), GWLP_USERDATA));
}

}  // namespace

void SetUpSpeedSliders(HWND dialog)
{
    for (const ConfigSpeedSlider& slider : ConfigSpeedSliders) {
        const HWND control = GetDlgItem(dialog, slider.controlId);
        SendMessageA(control, TBM_SETRANGE, FALSE, MAKELPARAM(0, SpeedPositionCount - 1));
        SendMessageA(control, TBM_SETPAGESIZE, 0, 2);
    }
}

void ShowSpeeds(HWND dialog, const PluginSettingsRecord& settings)
{
    for (const ConfigSpeedSlider& slider : ConfigSpeedSliders)
        Show(dialog, slider, settings.*slider.field);
}

void FollowSpeedSlider(HWND dialog, HWND control)
{
    for (const ConfigSpeedSlider& slider : ConfigSpeedSliders) {
        if (GetDlgItem(dialog, slider.controlId) != control)
            continue;
        const auto position = static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0));
        if (position >= 0 && position < SpeedPositionCount && position != SpeedPositionFor(SpeedOf(dialog, slider)))
            Show(dialog, slider, SpeedPositions[position]);
    }
}

void TakeSpeeds(HWND dialog, PluginSettingsRecord& settings)
{
    for (const ConfigSpeedSlider& slider : ConfigSpeedSliders)
        settings.*slider.field = SpeedOf(dialog, slider);
}
