#include "ui/mode_key_field.h"

#include <commctrl.h>

#include "state/session_state.h"
#include "ui/texts/texts.h"

namespace {

constexpr UINT_PTR FieldSubclassId = 0x5A4B;
// The field's note, made at its first refusal.
constexpr char NoteProperty[] = "Z_Vormelt10.ModeKeyNote";
constexpr LPARAM ExtendedKey = 1 << 24;
// Punctuation: VK_OEM_1 to VK_OEM_3 and the two keys of Brazilian keyboards
// after them, VK_OEM_4 to VK_OEM_8, and the key beside the left Shift.
constexpr uint8_t FirstPunctuation = VK_OEM_1;
constexpr uint8_t LastPunctuation = 0xC2;
constexpr uint8_t FirstBracket = VK_OEM_4;
constexpr uint8_t LastBracket = VK_OEM_8;

bool IsModifier(uint8_t key)
{
    switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU:
        return true;
    default:
        return false;
    }
}

// Keys that put a character into a text field whatever the layout (letters,
// digits, the number pad, punctuation, Space), or move about or edit in it.
bool TypesOrEdits(uint8_t key)
{
    return key == VK_BACK || key == VK_TAB || key == VK_CLEAR || key == VK_RETURN ||
           (key >= VK_SPACE && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE || (key >= '0' && key <= '9') ||
           (key >= 'A' && key <= 'Z') || (key >= VK_NUMPAD0 && key <= VK_DIVIDE) ||
           (key >= FirstPunctuation && key <= LastPunctuation) || (key >= FirstBracket && key <= LastBracket) ||
           key == VK_OEM_102;
}

uint8_t ModifiersHeld()
{
    return static_cast<uint8_t>(((GetKeyState(VK_SHIFT) & 0x8000) != 0 ? HOTKEYF_SHIFT : 0) |
                                ((GetKeyState(VK_CONTROL) & 0x8000) != 0 ? HOTKEYF_CONTROL : 0) |
                                ((GetKeyState(VK_MENU) & 0x8000) != 0 ? HOTKEYF_ALT : 0));
}

WORD FieldKey(HWND field)
{
    return static_cast<WORD>(GetWindowLongPtrA(field, GWLP_USERDATA));
}

// What the control draws, which is not always the field's key.
void Draw(HWND field, WORD key)
{
    DefSubclassProc(field, HKM_SETHOTKEY, key, 0);
}

void SetFieldKey(HWND field, WORD key)
{
    SetWindowLongPtrA(field, GWLP_USERDATA, key);
    Draw(field, key);
}

HWND Note(HWND field)
{
    return static_cast<HWND>(GetPropA(field, NoteProperty));
}

void HideNote(HWND field)
{
    const HWND note = Note(field);
    if (note == nullptr)
        return;
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    SendMessageA(note, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

// A tooltip owned by the dialog, so that it ends with it.
HWND MakeNote(HWND field)
{
    const HWND dialog = GetParent(field);
    const HWND note = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_NOANIMATE | TTS_NOFADE,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                      SessionState.ModuleInstance, nullptr);
    if (note == nullptr)
        return nullptr;
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = const_cast<char*>(WindowTextsIn(SessionState.Language).modeKeyNeedsCtrlOrAlt);
    SendMessageA(note, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SetPropA(field, NoteProperty, note);
    return note;
}

// Just under the field, from its left edge.
void ShowNote(HWND field)
{
    const HWND note = Note(field) != nullptr ? Note(field) : MakeNote(field);
    if (note == nullptr)
        return;
    RECT place;
    GetWindowRect(field, &place);
    SendMessageA(note, TTM_TRACKPOSITION, 0, MAKELPARAM(place.left, place.bottom));
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    SendMessageA(note, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void OnKeyDown(HWND field, WPARAM key, LPARAM flags)
{
    HideNote(field);
    const uint8_t modifiers = ModifiersHeld();
    switch (ModeKeyFieldVerdictFor(static_cast<uint8_t>(key), modifiers)) {
    case ModeKeyFieldVerdict::Modifier:
        Draw(field, MAKEWORD(0, modifiers));
        break;
    case ModeKeyFieldVerdict::Clear:
        SetFieldKey(field, 0);
        break;
    case ModeKeyFieldVerdict::Refuse:
        Draw(field, FieldKey(field));
        ShowNote(field);
        break;
    case ModeKeyFieldVerdict::Take:
        SetFieldKey(field, MAKEWORD(key, modifiers | ((flags & ExtendedKey) != 0 ? HOTKEYF_EXT : 0)));
        break;
    }
}

// The field's key handling is its own, the same whatever the common control
// of the system would make of a key: the control only draws.
LRESULT CALLBACK ModeKeyFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDown(field, wParam, lParam);
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (ModifiersHeld() == 0)
            Draw(field, FieldKey(field));
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
        return 0;
    case WM_KILLFOCUS:
        HideNote(field);
        Draw(field, FieldKey(field));
        break;
    case HKM_SETHOTKEY:
        SetWindowLongPtrA(field, GWLP_USERDATA, static_cast<WORD>(wParam));
        break;
    case HKM_GETHOTKEY:
        return FieldKey(field);
    case WM_NCDESTROY:
        RemovePropA(field, NoteProperty);
        RemoveWindowSubclass(field, ModeKeyFieldProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

ModeKeyFieldVerdict ModeKeyFieldVerdictFor(uint8_t virtualKey, uint8_t modifiers)
{
    if (IsModifier(virtualKey))
        return ModeKeyFieldVerdict::Modifier;
    if ((modifiers & (HOTKEYF_CONTROL | HOTKEYF_ALT)) != 0)
        return ModeKeyFieldVerdict::Take;
    if (virtualKey == VK_BACK || virtualKey == VK_DELETE)
        return ModeKeyFieldVerdict::Clear;
    return TypesOrEdits(virtualKey) ? ModeKeyFieldVerdict::Refuse : ModeKeyFieldVerdict::Take;
}

void TakeOverModeKeyField(HWND field)
{
    SetWindowSubclass(field, ModeKeyFieldProc, FieldSubclassId, 0);
}

bool ModeKeyNoteShown(HWND field)
{
    const HWND note = Note(field);
    return note != nullptr && IsWindowVisible(note) != FALSE;
}
