#include "ui/mode_key_note.h"

#include "ui/config_dialog_ids.h"
#include "ui/gdi_holders.h"

namespace {

HWND Note(HWND field)
{
    return GetDlgItem(GetParent(field), IDC_CONFIG_MODE_KEY_NOTE);
}

// The text's width in the dialog's font differs with the display's scale and
// the fonts at hand.
void FitNoteToText(HWND note, HWND field)
{
    wchar_t text[128] = L"";
    const int length = GetWindowTextW(note, text, 128);
    SIZE size{};
    {
        const ClientDc dc(note);
        const HGDIOBJ font = SelectObject(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(note, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc.get(), text, length, &size);
        SelectObject(dc.get(), font);
    }
    RECT place, edge;
    GetWindowRect(note, &place);
    GetWindowRect(field, &edge);
    POINT corner{edge.right - size.cx, place.top};
    ScreenToClient(GetParent(note), &corner);
    SetWindowPos(note, nullptr, corner.x, corner.y, size.cx, place.bottom - place.top, SWP_NOZORDER);
}

}  // namespace

void ShowModeKeyNote(HWND field, bool shown)
{
    const HWND note = Note(field);
    if (shown)
        FitNoteToText(note, field);
    ShowWindow(note, shown ? SW_SHOWNA : SW_HIDE);
}

bool ModeKeyNoteShown(HWND field)
{
    return IsWindowVisible(Note(field)) != FALSE;
}
