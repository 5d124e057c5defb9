// The settings and the control window's position in the real registry of the
// test's Wine prefix.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "state/session_state.h"
#include "state/settings.h"
#include "state/settings_registry.h"
#include "tests/windows/registry_scratch.h"

namespace {

class SettingsRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteSettingsKey();
        PluginSettings = PluginSettingsRecord{};
        SessionState = SessionStateRecord{};
    }
    void TearDown() override { DeleteSettingsKey(); }

    // Every field but `except` holds its built-in default.
    static void ExpectDefaultsExcept(const char* except)
    {
        const PluginSettingsRecord defaults;
        for (const SettingsField& f : SettingsFields) {
            if (std::string(f.name) != except) {
                EXPECT_EQ(PluginSettings.*f.field, defaults.*f.field) << f.name;
            }
        }
    }
};

TEST_F(SettingsRegistry, TheBuiltInDefaultsAreThoseOfTheRecord)
{
    const int32_t expected[] = {0, 1, 0, 0, 3, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 0x1D, 0, 100, 100, 100, 0};
    for (size_t i = 0; i < sizeof expected / sizeof expected[0]; ++i)
        EXPECT_EQ(PluginSettings.*SettingsFields[i].field, expected[i]) << SettingsFields[i].name;
}

TEST_F(SettingsRegistry, WithoutTheKeyEveryFieldKeepsWhatItHeld)
{
    PluginSettings.Option2 = 0;
    LoadSettings();
    ExpectDefaultsExcept("Option2");
    EXPECT_EQ(PluginSettings.Option2, 0);
    EXPECT_FALSE(SettingsKeyExists()) << "loading must not create the key";
}

TEST_F(SettingsRegistry, AKeyWithOnlyOption4ChangesOnlyThatField)
{
    WriteSettingsDword("Option4", 3);
    LoadSettings();
    EXPECT_EQ(PluginSettings.Option4, 3);
    ExpectDefaultsExcept("Option4");
}

TEST_F(SettingsRegistry, EachValueReachesTheFieldOfItsName)
{
    for (size_t i = 0; i < sizeof SettingsFields / sizeof SettingsFields[0]; ++i)
        WriteSettingsDword(SettingsFields[i].name, static_cast<int32_t>(0xEE + i));  // the 18th, ModeKey: key 0xFF
    LoadSettings();
    for (size_t i = 0; i < sizeof SettingsFields / sizeof SettingsFields[0]; ++i)
        EXPECT_EQ(PluginSettings.*SettingsFields[i].field, static_cast<int32_t>(0xEE + i)) << SettingsFields[i].name;
}

TEST_F(SettingsRegistry, ValuesOutsideTheirSetsAreTakenAsStored)
{
    WriteSettingsDword("Option1", 7);
    WriteSettingsDword("Rotate", -1);
    LoadSettings();
    EXPECT_EQ(PluginSettings.Option1, 7);
    EXPECT_EQ(PluginSettings.Rotate, -1);
}

TEST_F(SettingsRegistry, AFourByteValueOfAnyTypeIsReadAsASignedNumber)
{
    const unsigned char five[4] = {5, 0, 0, 0};
    const unsigned char minusTwo[4] = {0xFE, 0xFF, 0xFF, 0xFF};
    WriteSettingsValue("Option8", REG_BINARY, five, 4);
    WriteSettingsValue("Option9", REG_BINARY, minusTwo, 4);
    LoadSettings();
    EXPECT_EQ(PluginSettings.Option8, 5);
    EXPECT_EQ(PluginSettings.Option9, -2);
}

TEST_F(SettingsRegistry, AValueOfAnotherSizeOrOfATextTypeOrAModeKeyWithBitsAboveItsModifiersKeepsTheField)
{
    PluginSettings.Option5 = PluginSettings.PanSpeed = PluginSettings.OrbitSpeed = PluginSettings.WheelSpeed = 0x10203;
    WriteSettingsValue("PanSpeed", REG_SZ, "200", 4), WriteSettingsValue("OrbitSpeed", REG_EXPAND_SZ, "400", 4);
    WriteSettingsValue("WheelSpeed", REG_MULTI_SZ, "50\0", 4), WriteSettingsValue("PosX", REG_SZ, "350", 4);
    const unsigned char two[2] = {9, 9};
    const unsigned long long eight = 7;
    WriteSettingsValue("Option5", REG_BINARY, two, 2);
    WriteSettingsValue("Option6", REG_QWORD, &eight, 8);
    WriteSettingsValue("Option7", REG_SZ, "12345678", 9);
    WriteSettingsDword("ModeKey", 0x10078);
    LoadSettings(), LoadControlWndPosition();
    EXPECT_EQ(PluginSettings.Option5, 0x10203);
    EXPECT_EQ(PluginSettings.Option6, 2);
    EXPECT_EQ(PluginSettings.Option7, 3);
    EXPECT_EQ(PluginSettings.ModeKey, 0x1D);
    for (const int32_t text : {PluginSettings.PanSpeed, PluginSettings.OrbitSpeed, PluginSettings.WheelSpeed})
        EXPECT_EQ(text, 0x10203);
    EXPECT_EQ(SessionState.PosX, 200);  // as if missing
}

TEST_F(SettingsRegistry, SavingIntoAMissingKeyCreatesItWithTwentyThreeDwordsOrFailsWhenItCannot)
{
    RegOverridePredefKey(HKEY_CURRENT_USER, reinterpret_cast<HKEY>(GetCurrentProcess()));  // no key opens or is created
    EXPECT_FALSE(SaveSettings());
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    for (size_t i = 0; i < sizeof SettingsFields / sizeof SettingsFields[0]; ++i)
        PluginSettings.*SettingsFields[i].field = static_cast<int32_t>(i) - 8;
    EXPECT_TRUE(SaveSettings());
    ASSERT_TRUE(SettingsKeyExists());
    EXPECT_EQ(SettingsValueCount(), 23u);
    for (size_t i = 0; i < sizeof SettingsFields / sizeof SettingsFields[0]; ++i) {
        const StoredValue value = ReadSettingsValue(SettingsFields[i].name);
        ASSERT_TRUE(value.present) << SettingsFields[i].name;
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << SettingsFields[i].name;
        EXPECT_EQ(value.data.size(), 4u) << SettingsFields[i].name;
        EXPECT_EQ(value.AsInt32(), static_cast<int32_t>(i) - 8) << SettingsFields[i].name;
    }
}

TEST_F(SettingsRegistry, SavingReplacesStoredSettingsAndLeavesThePositionAlone)
{
    WriteSettingsDword("Option3", 0);
    WriteSettingsDword("PosX", 640);
    PluginSettings.Option3 = 1;
    SaveSettings();
    EXPECT_EQ(ReadSettingsValue("Option3").AsInt32(), 1);
    EXPECT_EQ(ReadSettingsValue("PosX").AsInt32(), 640);
    EXPECT_EQ(SettingsValueCount(), 24u);
}

TEST_F(SettingsRegistry, WithoutTheKeyTheControlWindowOpensAt200200)
{
    LoadControlWndPosition();
    EXPECT_EQ(SessionState.PosX, 200);
    EXPECT_EQ(SessionState.PosY, 200);
}

TEST_F(SettingsRegistry, EachMissingCoordinateFallsBackTo200ByItself)
{
    WriteSettingsDword("PosX", 350);
    LoadControlWndPosition();
    EXPECT_EQ(SessionState.PosX, 350);
    EXPECT_EQ(SessionState.PosY, 200);

    DeleteSettingsKey();
    WriteSettingsDword("PosY", 410);
    LoadControlWndPosition();
    EXPECT_EQ(SessionState.PosX, 200);
    EXPECT_EQ(SessionState.PosY, 410);
}

TEST_F(SettingsRegistry, ThePositionRoundTripsThroughAKeyItCreates)
{
    SessionState.PosX = -20;
    SessionState.PosY = 75;
    SaveControlWndPosition();
    EXPECT_EQ(SettingsValueCount(), 2u);
    EXPECT_EQ(ReadSettingsValue("PosX").type, static_cast<DWORD>(REG_DWORD));
    SessionState.PosX = SessionState.PosY = 0;
    LoadControlWndPosition();
    EXPECT_EQ(SessionState.PosX, -20);
    EXPECT_EQ(SessionState.PosY, 75);
}

}  // namespace
