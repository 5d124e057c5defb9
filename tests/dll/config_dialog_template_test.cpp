// The configuration dialog's templates as the built DLL carries them, 108 in
// Japanese and 118 in English, held to what a user needs of them. Places are
// compared in dialog units, which the system scales by one factor at every
// display scale, rounding each position and size: what holds here holds in
// pixels to within that rounding.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <vector>

#include "dialog_template.h"
#include "ui/config_dialog_ids.h"
#include "ui/config_lists.h"

namespace {

// The height of a line of the dialog's font, by the definition of dialog units.
constexpr int Line = 8;
// A drop-down list's template height includes its open list, which opens over
// the rows below it: closed, it is as tall as Windows' layout guidelines make it.
constexpr int ListFieldHeight = 14;

struct Language {
    const char* name;
    int id;
    WORD language;
    uint16_t pointSize;
    const char16_t* typeface;
    uint8_t charset;
};

const Language Languages[] = {
    {"Japanese", 108, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 9, u"ＭＳ Ｐゴシック", 0x80 /* Shift-JIS */},
    // The font English Windows gives its dialogs, in the default character set.
    {"English", 118, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 8, u"MS Shell Dlg 2", 1},
};

// What the user reads, in template order, in Japanese and in English.
const char16_t* const Texts[][2] = {
    {u"ホイール回転操作", u"Wheel direction"}, {u"モード切替キー", u"Mode switch key"},
    {u"入力・編集用のキーには Ctrl か Alt が必要です", u"Keys that type or edit text need Ctrl or Alt"},
    {u"モデリングモード", u"Modeling mode"}, {u"ホイールダブルクリック", u"Wheel double-click"},
    {u"Ctrl＋ダブルクリック", u"Ctrl + double-click"}, {u"Shift＋ダブルクリック", u"Shift + double-click"},
    {u"ホイール回転", u"Wheel"}, {u"Ctrl＋回転", u"Ctrl + wheel"}, {u"Shift＋回転", u"Shift + wheel"},
    {u"カメラモード", u"Camera mode"}, {u"左ボタン＋ドラッグ", u"Left button + drag"},
    {u"回転の速さ", u"Orbit speed"}, {u"右ボタン＋ドラッグ", u"Right button + drag"},
    {u"移動の速さ", u"Pan speed"}, {u"中ボタン＋ドラッグ", u"Middle button + drag"},
    {u"ホイールの速さ", u"Wheel speed"}, {u"ホイール回転", u"Wheel"},
    {u"表示倍率に合わせる", u"Same hand movement at any display scale"},
    {u"左ボタン＋回転", u"Left button + wheel"}, {u"右ボタン＋回転", u"Right button + wheel"},
    {u"中ボタン＋回転", u"Middle button + wheel"}, {u"透視図限定", u"Perspective view only"},
    {u"カメラモードで起動", u"Start in camera mode"}, {u"真上と真下で止める", u"Stop at the top and bottom"},
    {u"コントロールウィンドウ表示", u"Show control window"}, {u"OK", u"OK"}, {u"ｷｬﾝｾﾙ", u"Cancel"},
};

enum class Kind { Label, Group, List, CheckBox, PushButton, KeyField, Slider, Text, Unknown };

// By its class, and a button or a static by whether the code knows its id.
Kind KindOf(const DialogItemTemplate& item)
{
    const TemplateName& name = item.windowClass;  // comctl32's by name, which windres writes in capitals
    if (!name.isOrdinal)
        return name.text == u"MSCTLS_HOTKEY32" ? Kind::KeyField : name.text == u"MSCTLS_TRACKBAR32" ? Kind::Slider
                                                                                                    : Kind::Unknown;
    switch (name.ordinal) {
    case 0x85: return Kind::List;
    case 0x82: return item.id == -1 ? Kind::Label : Kind::Text;
    case 0x80:
        if (item.id == -1)
            return Kind::Group;
        return item.id == IDOK || item.id == IDCANCEL ? Kind::PushButton : Kind::CheckBox;
    default: return Kind::Unknown;
    }
}

// Every item a visible child, but the note, shown once a key is refused; a tab stop where the user works it.
uint32_t StyleFor(const DialogItemTemplate& item, bool inGroup, bool twoLines)
{
    constexpr uint32_t Shown = WS_CHILD | WS_VISIBLE, Worked = Shown | WS_TABSTOP;
    switch (KindOf(item)) {
    case Kind::Label:  // each starts a group for the arrow keys; beside its control in a group box
        return Shown | WS_GROUP | (inGroup ? SS_RIGHT : SS_LEFT);
    case Kind::Group: return Shown | BS_GROUPBOX;
    case Kind::List: return Worked | WS_VSCROLL | CBS_DROPDOWNLIST;  // unsorted: the items keep their order
    case Kind::CheckBox: return Worked | BS_AUTOCHECKBOX | (twoLines ? BS_MULTILINE : 0);  // wraps given two lines
    case Kind::PushButton: return Worked | (item.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);  // Enter is OK
    case Kind::KeyField: return Worked;
    case Kind::Slider: return Worked | TBS_AUTOTICKS;  // a tick under each position
    case Kind::Text:  // an ampersand shows as itself; the note ends under the key field's end
        return item.id == IDC_CONFIG_MODE_KEY_NOTE ? WS_CHILD | SS_NOPREFIX | SS_RIGHT : Shown | SS_NOPREFIX;
    default: return 0;
    }
}

RECT PlaceOf(const DialogItemTemplate& item)
{
    const int height = KindOf(item) == Kind::List ? ListFieldHeight : item.cy;
    return RECT{item.x, item.y, item.x + item.cx, item.y + height};
}

bool GroupHolds(const DialogItemTemplate& group, const DialogItemTemplate& item)
{
    const RECT outer = PlaceOf(group), inner = PlaceOf(item);
    return &group != &item && KindOf(group) == Kind::Group && inner.left >= outer.left && inner.top >= outer.top &&
           inner.right <= outer.right && inner.bottom <= outer.bottom;
}

class ConfigDialogTemplates : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExA("Z_Vormelt10.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        for (const Language& language : Languages) {
            const HRSRC resource =
                FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(language.id), language.language);
            ASSERT_NE(resource, nullptr) << "no " << language.name << " dialog " << language.id;
            const HGLOBAL loaded = LoadResource(module, resource);
            ASSERT_NE(loaded, nullptr);
            templates.push_back(ReadDialogTemplateEx(LockResource(loaded), SizeofResource(module, resource)));
            ASSERT_TRUE(templates.back().valid) << language.name;
        }
        ASSERT_EQ(templates[0].items.size(), templates[1].items.size());
    }

    void TearDown() override
    {
        if (module != nullptr)
            FreeLibrary(module);
    }

    HMODULE module = nullptr;
    std::vector<DialogTemplate> templates;
};

// Windows picks a template's language for the thread when it has several; each
// has exactly one, so the host's language alone decides.
TEST_F(ConfigDialogTemplates, EachHasTheDialogsFrameAndTheFontOfItsOneLanguage)
{
    for (size_t t = 0; t < templates.size(); ++t) {
        const DialogTemplate& dialog = templates[t];
        const Language& language = Languages[t];
        SCOPED_TRACE(language.name);
        EXPECT_EQ(dialog.style, 0x80C808C0u);
        EXPECT_TRUE(dialog.exStyle == 0 && dialog.helpId == 0 && !dialog.menu.isOrdinal && dialog.menu.text.empty() &&
                    !dialog.windowClass.isOrdinal && dialog.windowClass.text.empty());
        EXPECT_TRUE(dialog.pointSize == language.pointSize && dialog.typeface == language.typeface &&
                    dialog.weight == 0 && dialog.italic == 0 && dialog.charset == language.charset);
        const WORD other = Languages[1 - t].language;
        EXPECT_EQ(FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(language.id), other), nullptr);
    }
}

// The code's tables walk the controls in the template's order.
TEST_F(ConfigDialogTemplates, HoldEachControlTheCodeDrivesOnceAsItsKindAndNoOther)
{
    std::map<Kind, std::vector<int>> driven{{Kind::KeyField, {IDC_CONFIG_MODE_KEY}},
                                            {Kind::Text, {IDC_CONFIG_MODE_KEY_NOTE}},
                                            {Kind::PushButton, {IDOK, IDCANCEL}}};
    for (const ConfigList& list : ConfigLists)
        driven[Kind::List].push_back(list.controlId);
    for (const ConfigCheckBox& box : ConfigCheckBoxes)
        driven[Kind::CheckBox].push_back(box.controlId);
    for (const ConfigSpeedSlider& slider : ConfigSpeedSliders)
        driven[Kind::Slider].push_back(slider.controlId), driven[Kind::Text].push_back(slider.valueTextId);
    for (const DialogTemplate& dialog : templates) {
        std::map<Kind, std::vector<int>> held;
        std::set<int> ids;
        for (const DialogItemTemplate& item : dialog.items) {
            if (item.id != -1)
                held[KindOf(item)].push_back(item.id);
            EXPECT_TRUE(item.id == -1 || ids.insert(item.id).second) << item.id << " twice";
        }
        EXPECT_EQ(held, driven);
    }
}

TEST_F(ConfigDialogTemplates, GiveEachControlTheStyleItsKindNeedsAndTheSameKindsInBothLanguages)
{
    for (const DialogTemplate& dialog : templates) {
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            const DialogItemTemplate &item = dialog.items[i], &japanese = templates[0].items[i];
            const bool twoLines = japanese.cy >= 2 * Line || templates[1].items[i].cy >= 2 * Line;
            const bool inGroup = std::any_of(dialog.items.begin(), dialog.items.end(),
                                             [&](const DialogItemTemplate& group) { return GroupHolds(group, item); });
            EXPECT_EQ(item.style, StyleFor(item, inGroup, twoLines)) << "item " << i;
            EXPECT_TRUE(item.exStyle == 0 && item.helpId == 0 && item.extraCount == 0) << "item " << i;
            EXPECT_TRUE(item.id == japanese.id && item.style == japanese.style &&
                        item.windowClass.ordinal == japanese.windowClass.ordinal &&
                        item.windowClass.text == japanese.windowClass.text) << "item " << i;
        }
    }
}

// The controls whose contents the code writes have no text of their own.
TEST_F(ConfigDialogTemplates, SayWhatEachControlIsForInTheirLanguage)
{
    for (size_t t = 0; t < templates.size(); ++t) {
        size_t next = 0;
        for (const DialogItemTemplate& item : templates[t].items) {
            const Kind kind = KindOf(item);
            const bool written = kind == Kind::List || kind == Kind::KeyField || kind == Kind::Slider ||
                                 (kind == Kind::Text && item.id != IDC_CONFIG_MODE_KEY_NOTE);
            EXPECT_FALSE(item.title.isOrdinal);
            if (written) {
                EXPECT_TRUE(item.title.text.empty()) << Languages[t].name << " item " << item.id;
                continue;
            }
            ASSERT_LT(next, std::size(Texts)) << Languages[t].name;
            EXPECT_EQ(item.title.text, Texts[next++][t]) << Languages[t].name;
        }
        EXPECT_EQ(next, std::size(Texts)) << Languages[t].name;
    }
}

// No two overlap but a group box and what it holds; an open list falls over what lies below it.
TEST_F(ConfigDialogTemplates, ShowEveryControlWholeInsideTheDialogAndOverlappingNoOther)
{
    for (const DialogTemplate& dialog : templates) {
        const std::vector<DialogItemTemplate>& items = dialog.items;
        for (size_t i = 0; i < items.size(); ++i) {
            const RECT place = PlaceOf(items[i]);
            EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= dialog.cx && place.bottom <= dialog.cy)
                << "item " << i;
            for (size_t j = i + 1; j < items.size(); ++j) {
                RECT both;
                const RECT other = PlaceOf(items[j]);
                EXPECT_TRUE(GroupHolds(items[i], items[j]) || GroupHolds(items[j], items[i]) ||
                            !IntersectRect(&both, &place, &other)) << "items " << i << " and " << j;
            }
        }
    }
}

// Row by row, left to right: an item whose top is less than a line from the
// one before it lies to the right of it, any other begins a row below.
TEST_F(ConfigDialogTemplates, TabThroughTheControlsInReadingOrder)
{
    for (const DialogTemplate& dialog : templates) {
        for (size_t i = 1; i < dialog.items.size(); ++i) {
            const DialogItemTemplate &before = dialog.items[i - 1], &item = dialog.items[i];
            const bool sameRow = std::abs(item.y - before.y) < Line;
            EXPECT_TRUE(sameRow ? item.x >= before.x + before.cx : item.y > before.y) << "item " << i;
        }
    }
}

}  // namespace
