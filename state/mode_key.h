#pragma once

// The ModeKey setting holds a key as the common hot-key control reports it:
// the virtual-key code in the low byte and the control's modifier flags
// (HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8) in the
// next. 0 is no key.

#include <cstdint>

// The flags that must be down, exactly, with the key. HOTKEYF_EXT only says
// which of two keys of one code the control saw; the mode key is either.
constexpr uint8_t ModeKeyModifierMask = 0x07;

// A value with bits above the modifier byte is no key the control reports.
constexpr bool IsModeKeyValue(int32_t value)
{
    return (static_cast<uint32_t>(value) & 0xFFFF0000u) == 0;
}

constexpr uint8_t ModeKeyVirtualKey(int32_t value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

constexpr uint8_t ModeKeyModifiers(int32_t value)
{
    return static_cast<uint8_t>((value >> 8) & ModeKeyModifierMask);
}
