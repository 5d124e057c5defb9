#include <gtest/gtest.h>

#include <cstring>

#include "plugin/uuid.h"

namespace {

void ExpectBytes(const Uuid128& id, const unsigned char (&expected)[16])
{
    EXPECT_EQ(std::memcmp(&id, expected, 16), 0);
}

TEST(UuidText, ComponentUuidHasTheHostsByteOrder)
{
    const unsigned char expected[16] = {0x85, 0x2B, 0x93, 0x42, 0xF3, 0x49, 0x88, 0x61,
                                        0x55, 0x4F, 0x72, 0x9D, 0x89, 0xEF, 0x59, 0xB6};
    ExpectBytes(ComponentUuid(), expected);
    const Uuid128 words = ParseUuidText("42932B85-6188-49f3-9D72-4F55B659EF89");
    EXPECT_EQ(words.words[0], 0x42932B85u);
    EXPECT_EQ(words.words[1], 0x618849F3u);
    EXPECT_EQ(words.words[2], 0x9D724F55u);
    EXPECT_EQ(words.words[3], 0xB659EF89u);
}

TEST(UuidText, ZerosAndNonDigitsGiveZeroWords)
{
    const Uuid128 zeros = ParseUuidText("00000000-0000-0000-0000-000000000000");
    const Uuid128 letters = ParseUuidText("gggggggg-gggg-gggg-gggg-gggggggggggg");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(zeros.words[i], 0u);
        EXPECT_EQ(letters.words[i], 0u);
    }
}

TEST(UuidText, CaseOfHexLettersDoesNotMatter)
{
    const Uuid128 upper = ParseUuidText("ABCDEFAB-CDEF-ABCD-EFAB-CDEFABCDEFAB");
    const Uuid128 lower = ParseUuidText("abcdefab-cdef-abcd-efab-cdefabcdefab");
    EXPECT_EQ(std::memcmp(&upper, &lower, 16), 0);
    EXPECT_EQ(upper.words[1], 0xCDEFABCDu);
}

TEST(UuidText, DashesAreSkippedUnexamined)
{
    const Uuid128 dashed = ParseUuidText("12345678-9abc-def1-2345-6789abcdef12");
    const Uuid128 other = ParseUuidText("12345678x9abcxdef1x2345x6789abcdef12");
    EXPECT_EQ(std::memcmp(&dashed, &other, 16), 0);
    EXPECT_EQ(dashed.words[1], 0x9ABCDEF1u);
    EXPECT_EQ(dashed.words[2], 0x23456789u);
}

TEST(HexDigit, OnlyNonZeroDigitsAndLettersHaveValues)
{
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('1'), 1);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('A'), 10);
    EXPECT_EQ(HexDigitValue('f'), 15);
    EXPECT_EQ(HexDigitValue('G'), 0);
    EXPECT_EQ(HexDigitValue('-'), 0);
    EXPECT_EQ(HexDigitValue(static_cast<char>(0x80)), 0);
    EXPECT_EQ(HexDigitValue(static_cast<char>(0xC1)), 0);
}

Uuid128 InterfaceIdWithLastByte(unsigned char last)
{
    Uuid128 id = PluginInterfaceId;
    reinterpret_cast<unsigned char*>(&id)[15] = last;
    return id;
}

TEST(InterfaceIdTest, ComparesUnsignedLittleEndianHalves)
{
    EXPECT_EQ(CompareInterfaceId(PluginInterfaceId, PluginInterfaceId), 0);
    EXPECT_EQ(CompareInterfaceId(InterfaceIdWithLastByte(0x27), PluginInterfaceId), 1);
    EXPECT_EQ(CompareInterfaceId(InterfaceIdWithLastByte(0x25), PluginInterfaceId), -1);

    // The first half decides even when the second differs the other way.
    Uuid128 id = InterfaceIdWithLastByte(0x00);
    reinterpret_cast<unsigned char*>(&id)[7] = 0x12;  // above 0x11, the first half's top byte
    EXPECT_EQ(CompareInterfaceId(id, PluginInterfaceId), 1);

    // Unsigned: a top byte of 0xFF is large, not negative.
    Uuid128 high = PluginInterfaceId;
    reinterpret_cast<unsigned char*>(&high)[7] = 0xFF;
    EXPECT_EQ(CompareInterfaceId(high, PluginInterfaceId), 1);
}

TEST(InterfaceIdTest, HasTheWindowsGuidMemoryLayout)
{
    const unsigned char expected[16] = {0x69, 0x7D, 0xE4, 0x50, 0x22, 0x89, 0xD1, 0x11,
                                        0x9A, 0x00, 0x00, 0xC0, 0x4F, 0xCC, 0x9C, 0x26};
    ExpectBytes(PluginInterfaceId, expected);
}

}  // namespace
