#include "plugin/uuid.h"

#include <cstring>

const Uuid128 PluginInterfaceId = {{0x50E47D69u, 0x11D18922u, 0xC000009Au, 0x269CCC4Fu}};

namespace {

const char ComponentUuidText[] = "42932B85-6188-49f3-9D72-4F55B659EF89";

uint64_t LittleEndianHalf(const Uuid128& id, int half)
{
    uint8_t bytes[8];
    std::memcpy(bytes, reinterpret_cast<const uint8_t*>(id.words) + 8 * half, sizeof bytes);
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

// Eight digits from two runs of characters (1-based positions, as laid out in the text).
uint32_t ReadWord(const char* text, int first, int firstCount, int second)
{
    uint32_t word = 0;
    for (int i = 0; i < 8; ++i) {
        const int position = i < firstCount ? first + i : second + (i - firstCount);
        word = (word << 4) | static_cast<uint32_t>(HexDigitValue(text[position - 1]));
    }
    return word;
}

}  // namespace

int HexDigitValue(char c)
{
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

Uuid128 ParseUuidText(const char* text)
{
    return {{ReadWord(text, 1, 8, 0), ReadWord(text, 10, 4, 15), ReadWord(text, 20, 4, 25),
             ReadWord(text, 29, 8, 0)}};
}

int CompareInterfaceId(const Uuid128& id, const Uuid128& reference)
{
    for (int half = 0; half < 2; ++half) {
        const uint64_t given = LittleEndianHalf(id, half);
        const uint64_t expected = LittleEndianHalf(reference, half);
        if (given != expected)
            return given < expected ? -1 : 1;
    }
    return 0;
}

Uuid128 ComponentUuid()
{
    return ParseUuidText(ComponentUuidText);
}
