#include "ui/mode_key_field.h"

#include <commctrl.h>

#include "ui/mode_key_note.h"

namespace {

constexpr UINT_PTR FieldSubclassId = 0x5A4B;
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
// Backspace and Delete clear the field; Tab and Enter without Ctrl or Alt are
// the dialog's and never reach it.
bool TypesOrEdits(uint8_t key)
{
    return key == VK_CLEAR || (key >= VK_SPACE && key <= VK_DOWN) || key == VK_INSERT || (key >= '0' && key <= '9') ||
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

// Asked about a key message (`message` is null otherwise): with Ctrl or Alt
// held every key is the field's, Enter, Tab and Esc too; alone or with Shift
// they keep their meaning in the dialog.
bool IsKeyWithCtrlOrAlt(const MSG* message)
{
    return message != nullptr && (ModifiersHeld() & (HOTKEYF_CONTROL | HOTKEYF_ALT)) != 0;
}

// The note shows from a refused key until the next key.
void OnKeyDown(HWND field, WPARAM key, LPARAM flags)
{
    const uint8_t modifiers = ModifiersHeld();
    const ModeKeyFieldVerdict verdict = ModeKeyFieldVerdictFor(static_cast<uint8_t>(key), modifiers);
    switch (verdict) {
    case ModeKeyFieldVerdict::Modifier:
        Draw(field, MAKEWORD(0, modifiers));
        break;
    case ModeKeyFieldVerdict::Clear:
        SetFieldKey(field, 0);
        break;
    case ModeKeyFieldVerdict::Refuse:
        Draw(field, FieldKey(field));
        break;
    case ModeKeyFieldVerdict::Take:
        SetFieldKey(field, MAKEWORD(key, modifiers | ((flags & ExtendedKey) != 0 ? HOTKEYF_EXT : 0)));
        break;
    }
    ShowModeKeyNote(field, verdict == ModeKeyFieldVerdict::Refuse);
}

// Modifiers shown alone show those still held; with none held, or after a
// key was taken with them, the field shows its key.
void OnKeyUp(HWND field)
{
    const uint8_t modifiers = ModifiersHeld();
    if (modifiers == 0)
        Draw(field, FieldKey(field));
    else if (LOBYTE(DefSubclassProc(field, HKM_GETHOTKEY, 0, 0)) == 0)
        Draw(field, MAKEWORD(0, modifiers));
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
        OnKeyUp(field);
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
        return 0;
    case WM_GETDLGCODE:
        if (IsKeyWithCtrlOrAlt(reinterpret_cast<const MSG*>(lParam)))
            return DLGC_WANTMESSAGE | DefSubclassProc(field, message, wParam, lParam);
        break;
    case WM_KILLFOCUS:
        ShowModeKeyNote(field, false);
        Draw(field, FieldKey(field));
        break;
    case HKM_SETHOTKEY:
        SetWindowLongPtrA(field, GWLP_USERDATA, static_cast<WORD>(wParam));
        break;
    case HKM_GETHOTKEY:
        return FieldKey(field);
    case WM_NCDESTROY:
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
