// The Japanese texts the user sees, as the built DLL carries them: code page
// 932, never the UTF-8 of a source file compiled without it.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/texts/texts.h"

namespace {

std::string DllBytes()
{
    std::ifstream file("Z_Vormelt10.dll", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool Decodes(UINT codePage, const std::string& bytes)
{
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                               nullptr, 0) > 0;
}

bool HasJapanese(const std::wstring& text)  // two or more, as in every Japanese text: one may be machine code
{
    int count = 0;
    for (wchar_t c : text)
        count += (c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
    return count >= 2;
}

template <size_t Count>
void Append(std::vector<const char*>& texts, const char* const (&items)[Count])
{
    texts.insert(texts.end(), items, items + Count);
}

std::vector<const char*> WindowTextsOf(HostLanguage language)
{
    const WindowTexts& t = WindowTextsIn(language);
    return {t.modelingModeStatus, t.cameraModeStatus, t.cameraStatusFormat, t.menuStore,     t.menuRestore,
            t.menuUndo,           t.menuSettings,     t.storeTip,           t.restoreTip,    t.undoTip,
            t.toCameraModeTip,    t.toModelingModeTip};
}

std::vector<const char*> TextsOf(HostLanguage language)
{
    const int row = static_cast<int>(language);
    std::vector<const char*> texts = WindowTextsOf(language);
    Append(texts, WheelDirectionItems[row]);
    Append(texts, DoubleClickActionItems[row]);
    Append(texts, ZoomCentreItems[row]);
    Append(texts, DragActionItems[row]);
    Append(texts, WheelActionItems[row]);
    return texts;
}

std::vector<const char*> JapaneseTexts()
{
    std::vector<const char*> texts = TextsOf(HostLanguage::Japanese);
    texts.push_back(MenuNameJapanese);
    texts.push_back(InfoDescription);
    return texts;
}

TEST(DllTexts, EveryJapaneseTextIsCodePage932InTheDll)
{
    const std::string dll = DllBytes();
    ASSERT_FALSE(dll.empty());
    for (const char* text : JapaneseTexts()) {
        const std::string bytes(text);
        EXPECT_TRUE(Decodes(932, bytes)) << bytes;
        EXPECT_FALSE(Decodes(CP_UTF8, bytes)) << bytes << " is UTF-8";
        EXPECT_NE(dll.find(bytes + '\0'), std::string::npos) << bytes << " is not in the DLL";
    }
}

// English texts are plain ASCII, the same bytes in every code page.
TEST(DllTexts, EveryEnglishTextIsAscii)
{
    std::vector<const char*> texts = TextsOf(HostLanguage::English);
    texts.push_back(MenuNameEnglish);
    for (const char* text : texts) {
        for (const char* c = text; *c != '\0'; ++c)
            EXPECT_LT(static_cast<unsigned char>(*c), 0x80u) << text;
    }
}

// A Japanese literal outside ui/texts/ is compiled as UTF-8.
TEST(DllTexts, NoJapaneseTextIsLeftInUtf8)
{
    const std::string dll = DllBytes();
    ASSERT_FALSE(dll.empty());
    size_t start = 0;
    while (start < dll.size()) {
        size_t end = dll.find('\0', start);
        if (end == std::string::npos)
            end = dll.size();
        const std::string run = dll.substr(start, end - start);
        if (run.size() >= 6 && Decodes(CP_UTF8, run)) {
            std::wstring wide(run.size(), L'\0');
            wide.resize(MultiByteToWideChar(CP_UTF8, 0, run.data(), static_cast<int>(run.size()), wide.data(),
                                            static_cast<int>(wide.size())));
            EXPECT_FALSE(HasJapanese(wide)) << "UTF-8 text at offset " << start << ": " << run;
        }
        start = end + 1;
    }
}

}  // namespace
