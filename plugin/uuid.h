#pragma once

#include <cstdint>

// Four 32-bit words, each stored little-endian: the host's interface and
// component identifiers.
struct Uuid128 {
    uint32_t words[4];
};

// {50E47D69-8922-11D1-9A00-00C04FCC9C26}: the host's plug-in component interface.
extern const Uuid128 PluginInterfaceId;

// Value of one hexadecimal digit; every other character, '0' included, gives 0.
int HexDigitValue(char c);

// Reads an 8-4-4-4-12 text into four words, each taking eight digits most
// significant first; the dashes are skipped unexamined. Never fails.
Uuid128 ParseUuidText(const char* text);

// Compares two ids as two unsigned little-endian 64-bit halves, low half first:
// 0 when equal, otherwise -1 or +1 by the first differing half of `id`.
int CompareInterfaceId(const Uuid128& id, const Uuid128& reference);

// The component's own identifier, parsed from its uuid text.
Uuid128 ComponentUuid();
