// The zip a user downloads, as unpacked by the test's set-up into
// build/package/contents (the tests run in build/bin).

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string Contents = "..\\package\\contents\\";

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// The UTF-16 text of bytes in the code page, empty when they are not valid there.
std::wstring Decode(UINT codePage, const std::string& bytes)
{
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                        length);
    return text;
}

// The version string that the DLL's version resource carries.
std::string ProductVersion(const char* dll)
{
    DWORD handle = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(dll, &handle));
    char* text = nullptr;
    UINT length = 0;
    if (data.empty() || !GetFileVersionInfoA(dll, 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueA(data.data(), "\\StringFileInfo\\041103a4\\ProductVersion", reinterpret_cast<void**>(&text),
                        &length))
        return "";
    return text;
}

TEST(Package, HoldsTheBuiltDllAndBothReadMes)
{
    EXPECT_EQ(FilesIn(Contents),
              (std::set<std::string>{"README.md", "Z_Vormelt10.dll", "Z_Vormelt10.dll.debug", "readme.txt"}));
    const std::string packaged = ReadFile(Contents + "Z_Vormelt10.dll");
    ASSERT_FALSE(packaged.empty());
    EXPECT_TRUE(packaged == ReadFile("Z_Vormelt10.dll")) << "the zip holds another DLL than the one built";
}

// The DLL's debug link holds the file's name, padded to four bytes, and the
// file's CRC-32: a debugger takes only the file that matches both.
TEST(Package, HoldsTheDebugInformationUnderTheNameAndChecksumTheDllAsksFor)
{
    const std::string name = "Z_Vormelt10.dll.debug";
    const std::string dll = ReadFile(Contents + "Z_Vormelt10.dll");
    const size_t link = dll.find(name + '\0');
    ASSERT_NE(link, std::string::npos) << "the DLL's debug link names another file than " << name;
    const size_t checksumAt = link + (name.size() + 1 + 3) / 4 * 4;
    ASSERT_LE(checksumAt + 4, dll.size());
    uint32_t linked = 0;
    std::memcpy(&linked, &dll[checksumAt], 4);
    using Crc32 = DWORD(WINAPI*)(DWORD, const BYTE*, INT);
    const auto crc32 = reinterpret_cast<Crc32>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlComputeCrc32")));
    ASSERT_NE(crc32, nullptr);
    const std::string debug = ReadFile(Contents + name);
    EXPECT_EQ(linked, crc32(0, reinterpret_cast<const BYTE*>(debug.data()), static_cast<INT>(debug.size())))
        << "the debug information is another build's";
}

// Each picture at the place its link in the README names.
TEST(Package, HoldsEveryPictureTheReadMeShows)
{
    const std::string readme = ReadFile(Contents + "README.md");
    int pictures = 0;
    for (size_t at = readme.find("!["); at != std::string::npos; at = readme.find("![", at + 2), ++pictures) {
        const size_t open = readme.find("](", at);
        const size_t close = readme.find(')', open);
        ASSERT_NE(close, std::string::npos);
        const std::string link = readme.substr(open + 2, close - open - 2);
        const std::string picture = ReadFile(Contents + link);
        EXPECT_TRUE(picture.size() > 8 && picture.compare(1, 3, "PNG") == 0) << link;
    }
    EXPECT_GT(pictures, 0);
}

TEST(Package, JapaneseReadMeIsCodePage932WithCrLfLineEnds)
{
    const std::string bytes = ReadFile(Contents + "readme.txt");
    ASSERT_FALSE(bytes.empty());
    const std::wstring text = Decode(932, bytes);
    ASSERT_FALSE(text.empty()) << "readme.txt is not valid code page 932";
    EXPECT_TRUE(Decode(CP_UTF8, bytes).empty()) << "readme.txt is UTF-8";
    EXPECT_NE(text.find(L"インストール"), std::wstring::npos);
    int lines = 0;
    for (size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\n') {
            ++lines;
            EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "line " << lines << " ends without CR";
        } else if (bytes[at] == '\r') {
            EXPECT_TRUE(at + 1 < bytes.size() && bytes[at + 1] == '\n') << "a lone CR after line " << lines;
        }
    }
    EXPECT_GT(lines, 100);
}

// The version history of each read-me begins with the newest version.
TEST(Package, TheZipsNameTheJapaneseReadMeAndBothHistoriesNameTheVersionOfTheDll)
{
    const std::string version = ProductVersion("Z_Vormelt10.dll");
    ASSERT_FALSE(version.empty());
    EXPECT_EQ(FilesIn("..\\package\\").count("Z_Vormelt10-" + version + "-win64.zip"), 1u);
    const std::wstring text = Decode(932, ReadFile(Contents + "readme.txt"));
    const std::wstring wide(version.begin(), version.end());
    EXPECT_NE(text.find(L"バージョン " + wide + L"\r\n"), std::wstring::npos) << version;
    EXPECT_NE(text.find(L"■ 更新履歴\r\n\r\n  " + wide + L"\r\n"), std::wstring::npos) << version;
    EXPECT_NE(ReadFile(Contents + "README.md").find("## Version history\n\n### " + version + "\n"), std::string::npos);
}

}  // namespace
