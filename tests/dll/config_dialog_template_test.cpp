// The configuration dialog's templates as the built DLL carries them: 108 in
// Japanese and 118 in English, each with its frame, font and 49 items in tab
// order. The English one has the same ids, kinds and order, so one settings
// code serves both.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dialog_template.h"

namespace {

constexpr uint16_t ButtonClass = 0x80;
constexpr uint16_t StaticClass = 0x82;
constexpr uint16_t ComboBoxClass = 0x85;
constexpr uint16_t HotKeyClass = 0;  // comctl32's have no atoms: their names, which windres writes in capitals
constexpr uint16_t TrackbarClass = 1;

constexpr uint32_t List = 0x50210003;
constexpr uint32_t RightLabel = 0x50020002;
constexpr uint32_t CheckBox = 0x50010003;
constexpr uint32_t GroupBox = 0x50000007;

struct ExpectedItem {
    int32_t id;
    uint16_t windowClass;
    uint32_t style;
    int16_t x, y, cx, cy;
    const char16_t* text;
};

const ExpectedItem ExpectedItems[49] = {
    {-1, StaticClass, 0x50020000, 7, 9, 82, 8, u"ホイール回転操作"},
    {1009, ComboBoxClass, List, 96, 5, 115, 59, u""},
    {-1, StaticClass, 0x50020000, 7, 22, 82, 8, u"モード切替キー"},
    {1025, HotKeyClass, 0x50010000, 96, 20, 115, 12, u""},
    {1027, StaticClass, 0x40000002 | SS_NOPREFIX, 7, 34, 204, 8, u"入力・編集用のキーには Ctrl か Alt が必要です"},
    {-1, ButtonClass, GroupBox, 7, 48, 388, 105, u"モデリングモード"},
    {-1, StaticClass, RightLabel, 13, 63, 76, 8, u"ホイールダブルクリック"},
    {1022, ComboBoxClass, List, 96, 59, 115, 53, u""},
    {-1, StaticClass, RightLabel, 13, 78, 76, 8, u"Ctrl＋ダブルクリック"},
    {1023, ComboBoxClass, List, 96, 74, 115, 53, u""},
    {-1, StaticClass, RightLabel, 13, 93, 76, 8, u"Shift＋ダブルクリック"},
    {1024, ComboBoxClass, List, 96, 89, 115, 60, u""},
    {-1, StaticClass, RightLabel, 13, 108, 76, 8, u"ホイール回転"},
    {1008, ComboBoxClass, List, 96, 104, 115, 53, u""},
    {-1, StaticClass, RightLabel, 13, 123, 76, 8, u"Ctrl＋回転"},
    {1020, ComboBoxClass, List, 96, 119, 115, 53, u""},
    {-1, StaticClass, RightLabel, 13, 138, 76, 8, u"Shift＋回転"},
    {1021, ComboBoxClass, List, 96, 134, 115, 60, u""},
    {-1, ButtonClass, GroupBox, 7, 157, 388, 156, u"カメラモード"},
    {-1, StaticClass, RightLabel, 13, 171, 76, 8, u"左ボタン＋ドラッグ"},
    {1010, ComboBoxClass, List, 96, 167, 115, 56, u""},
    {-1, StaticClass, RightLabel, 226, 171, 52, 8, u"回転の速さ"},
    {1028, TrackbarClass, 0x50010001 /* a tick under each position */, 280, 167, 84, 14, u""},
    {1031, StaticClass, 0x50000080, 366, 171, 22, 8, u""},
    {-1, StaticClass, RightLabel, 13, 187, 76, 8, u"右ボタン＋ドラッグ"},
    {1011, ComboBoxClass, List, 96, 182, 115, 57, u""},
    {-1, StaticClass, RightLabel, 226, 187, 52, 8, u"移動の速さ"},
    {1029, TrackbarClass, 0x50010001, 280, 182, 84, 14, u""},
    {1032, StaticClass, 0x50000080, 366, 187, 22, 8, u""},
    {-1, StaticClass, RightLabel, 13, 202, 76, 8, u"中ボタン＋ドラッグ"},
    {1012, ComboBoxClass, List, 96, 197, 115, 57, u""},
    {-1, StaticClass, RightLabel, 226, 202, 52, 8, u"ホイールの速さ"},
    {1030, TrackbarClass, 0x50010001, 280, 197, 84, 14, u""},
    {1033, StaticClass, 0x50000080, 366, 202, 22, 8, u""},
    {-1, StaticClass, RightLabel, 45, 216, 44, 8, u"ホイール回転"},
    {1013, ComboBoxClass, List, 96, 212, 115, 66, u""},
    {1034, ButtonClass, CheckBox | BS_MULTILINE, 280, 214, 108, 10, u"表示倍率に合わせる"},
    {-1, StaticClass, RightLabel, 39, 231, 50, 8, u"左ボタン＋回転"},
    {1014, ComboBoxClass, List, 96, 227, 115, 66, u""},
    {-1, StaticClass, RightLabel, 39, 246, 50, 8, u"右ボタン＋回転"},
    {1015, ComboBoxClass, List, 96, 242, 115, 66, u""},
    {-1, StaticClass, RightLabel, 39, 261, 50, 8, u"中ボタン＋回転"},
    {1016, ComboBoxClass, List, 96, 257, 115, 66, u""},
    {1017, ButtonClass, CheckBox, 96, 274, 54, 10, u"透視図限定"},
    {1018, ButtonClass, CheckBox, 96, 286, 115, 13, u"カメラモードで起動"},
    {1026, ButtonClass, CheckBox, 96, 301, 115, 10, u"真上と真下で止める"},
    {1019, ButtonClass, CheckBox, 7, 319, 101, 10, u"コントロールウィンドウ表示"},
    {1, ButtonClass, 0x50010001, 7, 335, 50, 14, u"OK"},
    {2, ButtonClass, 0x50010000, 66, 335, 50, 14, u"ｷｬﾝｾﾙ"},
};

// The English template's place and text of each item; its id, class and style
// are the Japanese one's at the same position.
struct PlacedText {
    int16_t x, y, cx, cy;
    const char16_t* text;
};

const PlacedText EnglishItems[49] = {
    {7, 9, 96, 8, u"Wheel direction"},
    {110, 5, 166, 59, u""},
    {7, 22, 96, 8, u"Mode switch key"},
    {110, 20, 166, 12, u""},
    {7, 34, 269, 8, u"Keys that type or edit text need Ctrl or Alt"},
    {7, 48, 458, 105, u"Modeling mode"},
    {13, 63, 90, 8, u"Wheel double-click"},
    {110, 59, 166, 53, u""},
    {13, 78, 90, 8, u"Ctrl + double-click"},
    {110, 74, 166, 53, u""},
    {13, 93, 90, 8, u"Shift + double-click"},
    {110, 89, 166, 60, u""},
    {13, 108, 90, 8, u"Wheel"},
    {110, 104, 166, 53, u""},
    {13, 123, 90, 8, u"Ctrl + wheel"},
    {110, 119, 166, 53, u""},
    {13, 138, 90, 8, u"Shift + wheel"},
    {110, 134, 166, 60, u""},
    {7, 157, 458, 156, u"Camera mode"},
    {13, 171, 90, 8, u"Left button + drag"},
    {110, 167, 166, 56, u""},
    {290, 171, 50, 8, u"Orbit speed"},
    {342, 167, 90, 14, u""},
    {434, 171, 24, 8, u""},
    {13, 187, 90, 8, u"Right button + drag"},
    {110, 182, 166, 57, u""},
    {290, 187, 50, 8, u"Pan speed"},
    {342, 182, 90, 14, u""},
    {434, 187, 24, 8, u""},
    {13, 202, 90, 8, u"Middle button + drag"},
    {110, 197, 166, 57, u""},
    {290, 202, 50, 8, u"Wheel speed"},
    {342, 197, 90, 14, u""},
    {434, 202, 24, 8, u""},
    {13, 216, 90, 8, u"Wheel"},
    {110, 212, 166, 66, u""},
    {342, 214, 116, 18, u"Same hand movement at any display scale"},
    {13, 231, 90, 8, u"Left button + wheel"},
    {110, 227, 166, 66, u""},
    {13, 246, 90, 8, u"Right button + wheel"},
    {110, 242, 166, 66, u""},
    {13, 261, 90, 8, u"Middle button + wheel"},
    {110, 257, 166, 66, u""},
    {110, 274, 166, 10, u"Perspective view only"},
    {110, 286, 166, 13, u"Start in camera mode"},
    {110, 301, 166, 10, u"Stop at the top and bottom"},
    {7, 319, 120, 10, u"Show control window"},
    {7, 335, 50, 14, u"OK"},
    {66, 335, 50, 14, u"Cancel"},
};

struct ExpectedTemplate {
    const char* name;
    int id;
    WORD language;
    int16_t cx, cy;
    const char16_t* title;
    uint16_t pointSize;
    const char16_t* typeface;
    uint8_t charset;
    bool english;
};

const ExpectedTemplate Templates[] = {
    {"Japanese", 108, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 402, 356, u"Z_Vormelt 設定", 9, u"ＭＳ Ｐゴシック",
     0x80 /* Shift-JIS */, false},
    // The font English Windows gives its dialogs.
    {"English", 118, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 472, 356, u"Z_Vormelt Configuration", 8,
     u"MS Shell Dlg 2", 1 /* the default character set */, true},
};

class ConfigDialogTemplate : public ::testing::TestWithParam<ExpectedTemplate> {
protected:
    void SetUp() override
    {
        module = LoadLibraryExA("Z_Vormelt10.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        const HRSRC resource =
            FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(GetParam().id), GetParam().language);
        ASSERT_NE(resource, nullptr) << "no " << GetParam().name << " dialog " << GetParam().id;
        const HGLOBAL loaded = LoadResource(module, resource);
        ASSERT_NE(loaded, nullptr);
        dialog = ReadDialogTemplateEx(LockResource(loaded), SizeofResource(module, resource));
        ASSERT_TRUE(dialog.valid);
    }

    void TearDown() override
    {
        if (module != nullptr)
            FreeLibrary(module);
    }

    HMODULE module = nullptr;
    DialogTemplate dialog;
};

TEST_P(ConfigDialogTemplate, IsAnExtendedTemplateWithTheDialogsFrameAndCaption)
{
    EXPECT_EQ(dialog.version, 1);
    EXPECT_EQ(dialog.signature, 0xFFFF);
    EXPECT_EQ(dialog.style, 0x80C808C0u);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.helpId, 0u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.cx, GetParam().cx);
    EXPECT_EQ(dialog.cy, GetParam().cy);
    EXPECT_FALSE(dialog.menu.isOrdinal);
    EXPECT_TRUE(dialog.menu.text.empty());
    EXPECT_FALSE(dialog.windowClass.isOrdinal);
    EXPECT_TRUE(dialog.windowClass.text.empty());
    EXPECT_EQ(dialog.title, GetParam().title);
}

TEST_P(ConfigDialogTemplate, UsesTheFontOfItsLanguage)
{
    EXPECT_EQ(dialog.pointSize, GetParam().pointSize);
    EXPECT_EQ(dialog.typeface, GetParam().typeface);
    EXPECT_EQ(dialog.weight, 0);
    EXPECT_EQ(dialog.italic, 0);
    EXPECT_EQ(dialog.charset, GetParam().charset);
}

TEST_P(ConfigDialogTemplate, HoldsTheFortyNineItemsInTabOrder)
{
    ASSERT_EQ(dialog.items.size(), 49u);
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        const DialogItemTemplate& item = dialog.items[i];
        const ExpectedItem& expected = ExpectedItems[i];
        const PlacedText place = GetParam().english
                                     ? EnglishItems[i]
                                     : PlacedText{expected.x, expected.y, expected.cx, expected.cy, expected.text};
        SCOPED_TRACE("item " + std::to_string(i + 1) + ", id " + std::to_string(expected.id));
        EXPECT_EQ(item.id, expected.id);
        EXPECT_EQ(item.windowClass.isOrdinal, expected.windowClass > TrackbarClass);
        EXPECT_EQ(item.windowClass.ordinal, expected.windowClass > TrackbarClass ? expected.windowClass : 0);
        const char16_t* name = expected.windowClass == HotKeyClass ? u"MSCTLS_HOTKEY32" : u"MSCTLS_TRACKBAR32";
        EXPECT_EQ(item.windowClass.text, expected.windowClass > TrackbarClass ? u"" : name);
        EXPECT_EQ(item.style, expected.style);
        EXPECT_EQ(item.x, place.x);
        EXPECT_EQ(item.y, place.y);
        EXPECT_EQ(item.cx, place.cx);
        EXPECT_EQ(item.cy, place.cy);
        EXPECT_FALSE(item.title.isOrdinal);
        EXPECT_EQ(item.title.text, place.text);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.extraCount, 0);
    }
}

// Windows picks a template's language for the thread when it has several;
// each template has exactly one, so the host's language alone decides.
TEST_P(ConfigDialogTemplate, ExistsInItsOneLanguageOnly)
{
    for (const ExpectedTemplate& other : Templates) {
        if (other.language == GetParam().language)
            continue;
        EXPECT_EQ(FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(GetParam().id), other.language),
                  nullptr)
            << other.name;
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, ConfigDialogTemplate, ::testing::ValuesIn(Templates),
                         [](const ::testing::TestParamInfo<ExpectedTemplate>& info) { return info.param.name; });

}  // namespace
