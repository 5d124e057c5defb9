// The built DLL's control-window templates (102 in Japanese, 112 in English)
// and its icons (103 and 104 for the modes, 105 to 107 for the English
// window's camera buttons), read straight from its resources.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

const WORD Japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
const WORD English = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

class PluginResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExA("Z_Vormelt10.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    // The resource's bytes, empty when there is none in the language.
    std::vector<unsigned char> Resource(LPCSTR type, int id, WORD language = Japanese) const
    {
        HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
        if (found == nullptr)
            return {};
        const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
        return std::vector<unsigned char>(bytes, bytes + SizeofResource(module, found));
    }

    HMODULE module = nullptr;
};

// Reads a classic dialog template front to back.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    uint16_t Word()
    {
        const uint16_t value = static_cast<uint16_t>(bytes_.at(at_) | bytes_.at(at_ + 1) << 8);
        at_ += 2;
        return value;
    }
    uint32_t Dword()
    {
        const uint32_t low = Word();
        return low | static_cast<uint32_t>(Word()) << 16;
    }
    int16_t Short() { return static_cast<int16_t>(Word()); }

    // A string, or an ordinal written as "#n"; the names of the predefined
    // classes for their ordinals.
    std::string StringOrOrdinal()
    {
        if (bytes_.at(at_) == 0xFF && bytes_.at(at_ + 1) == 0xFF) {
            Word();
            const uint16_t ordinal = Word();
            if (ordinal == 0x80)
                return "BUTTON";
            if (ordinal == 0x82)
                return "STATIC";
            return "#" + std::to_string(ordinal);
        }
        return String();
    }

    // A NUL-terminated UTF-16 string, as UTF-8.
    std::string String()
    {
        std::wstring wide;
        for (uint16_t c = Word(); c != 0; c = Word())
            wide.push_back(static_cast<wchar_t>(c));
        char utf8[256] = "";
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
        return utf8;
    }

    void AlignToDword() { at_ = (at_ + 3) & ~static_cast<size_t>(3); }

private:
    const std::vector<unsigned char>& bytes_;
    size_t at_ = 0;
};

struct TemplateItem {
    uint32_t style;
    int x, y, width, height;
    int id;
    std::string windowClass;
    std::string text;
};

struct ControlWindowTemplate {
    const char* name;
    int id;
    WORD language;
    int pointSize;
    const char* typeface;
    std::vector<TemplateItem> items;
};

// The English window has the same ids; its labels end in a plain colon, its
// read-out is placed for the font English Windows gives its dialogs, and its
// camera buttons carry pictures.
const ControlWindowTemplate ControlWindowTemplates[] = {
    {"Japanese", 102, Japanese, 7, "MS UI Gothic",
     {
         {0x50000040, 11, 2, 19, 18, 1000, "BUTTON", ""},
         {0x50020000, 73, 2, 27, 8, -1, "STATIC", u8"ZOOM："},
         {0x50020000, 73, 12, 27, 8, -1, "STATIC", u8"BANK："},
         {0x50020000, 100, 2, 50, 8, 1005, "STATIC", ""},
         {0x50020000, 100, 12, 50, 8, 1006, "STATIC", ""},
         {0x50002000, 58, 2, 11, 18, 1007, "BUTTON", u8"取\n消"},
         {0x50002000, 33, 2, 11, 18, 1008, "BUTTON", u8"記\n憶"},
         {0x50002000, 46, 2, 11, 18, 1009, "BUTTON", u8"復\n帰"},
     }},
    {"English", 112, English, 8, "MS Shell Dlg 2",
     {
         {0x50000040, 11, 2, 19, 18, 1000, "BUTTON", ""},
         {0x50020000, 79, 2, 25, 8, -1, "STATIC", "ZOOM:"},
         {0x50020000, 79, 12, 25, 8, -1, "STATIC", "BANK:"},
         {0x50020000, 104, 2, 42, 8, 1005, "STATIC", ""},
         {0x50020000, 104, 12, 42, 8, 1006, "STATIC", ""},
         {0x50000040, 58, 2, 11, 18, 1007, "BUTTON", ""},
         {0x50000040, 33, 2, 11, 18, 1008, "BUTTON", ""},
         {0x50000040, 46, 2, 11, 18, 1009, "BUTTON", ""},
     }},
};

TEST_F(PluginResources, EachControlWindowTemplateIsAClassicCaptionlessDialog)
{
    for (const ControlWindowTemplate& want : ControlWindowTemplates) {
        SCOPED_TRACE(want.name);
        const std::vector<unsigned char> bytes = Resource(RT_DIALOG, want.id, want.language);
        ASSERT_FALSE(bytes.empty());
        TemplateReader dialog(bytes);
        // The extended form would begin with version 1 and signature 0xFFFF.
        EXPECT_EQ(dialog.Dword(), 0x800000C0u);  // WS_POPUP | DS_MODALFRAME | DS_SETFONT
        EXPECT_EQ(dialog.Dword(), 0u);
        const int count = dialog.Word();
        EXPECT_EQ(dialog.Short(), 0);
        EXPECT_EQ(dialog.Short(), 0);
        EXPECT_EQ(dialog.Short(), 209);
        EXPECT_EQ(dialog.Short(), 22);
        EXPECT_EQ(dialog.StringOrOrdinal(), "") << "menu";
        EXPECT_EQ(dialog.StringOrOrdinal(), "") << "class";
        EXPECT_EQ(dialog.String(), "") << "caption";
        EXPECT_EQ(dialog.Word(), want.pointSize);
        EXPECT_EQ(dialog.String(), want.typeface);

        ASSERT_EQ(count, static_cast<int>(want.items.size()));
        for (const TemplateItem& wantItem : want.items) {
            dialog.AlignToDword();
            TemplateItem item;
            item.style = dialog.Dword();
            EXPECT_EQ(dialog.Dword(), 0u) << "extended style of " << wantItem.id;
            item.x = dialog.Short();
            item.y = dialog.Short();
            item.width = dialog.Short();
            item.height = dialog.Short();
            item.id = dialog.Short();
            item.windowClass = dialog.StringOrOrdinal();
            item.text = dialog.StringOrOrdinal();
            EXPECT_EQ(dialog.Word(), 0) << "creation data of " << wantItem.id;
            EXPECT_EQ(item.style, wantItem.style) << wantItem.id;
            EXPECT_EQ(item.x, wantItem.x) << wantItem.id;
            EXPECT_EQ(item.y, wantItem.y) << wantItem.id;
            EXPECT_EQ(item.width, wantItem.width) << wantItem.id;
            EXPECT_EQ(item.height, wantItem.height) << wantItem.id;
            EXPECT_EQ(item.id, wantItem.id);
            EXPECT_EQ(item.windowClass, wantItem.windowClass) << wantItem.id;
            EXPECT_EQ(item.text, wantItem.text) << wantItem.id;
        }
    }
}

// Each mode icon holds a 32 x 32 image in 16 colours and one in 256; each
// picture of a camera button, which is 22 pixels wide, one of 16 x 16. Both
// hold the sizes that displays at 150 % and 200 % ask for in true colour.
TEST_F(PluginResources, EachIconHasA16AndA256ColourImageOfItsSizeAndTrueColourOnesForLargerScales)
{
    const struct {
        int id;
        WORD language;
        int size;
    } icons[] = {{103, Japanese, 32}, {104, Japanese, 32}, {105, English, 16}, {106, English, 16}, {107, English, 16}};
    for (const auto& icon : icons) {
        const int id = icon.id;
        const std::vector<unsigned char> group = Resource(RT_GROUP_ICON, id, icon.language);
        ASSERT_GE(group.size(), 6u) << id;
        std::vector<std::pair<int, int>> images;  // size and colour depth
        for (int i = 0; i < (group[4] | group[5] << 8); ++i) {
            const unsigned char* entry = group.data() + 6 + 14 * i;
            EXPECT_EQ(entry[0], entry[1]) << id;
            images.emplace_back(entry[0], entry[6] | entry[7] << 8);
        }
        const int size = icon.size;
        EXPECT_EQ(images, (std::vector<std::pair<int, int>>{{size, 4}, {size, 8}, {size * 3 / 2, 32}, {size * 2, 32}}))
            << id;
    }
}

}  // namespace
