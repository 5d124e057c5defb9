// The built Z_Vormelt10.dll as a user drops it into the host's plug-in folder.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "pe_tables.h"

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

TEST(DllFile, ExportsExactlyTheSevenDiscoveryFunctions)
{
    const PeTables tables = ReadPeTables("Z_Vormelt10.dll");
    ASSERT_TRUE(tables.valid);
    EXPECT_TRUE(tables.is64Bit);
    const std::set<std::string> exports(tables.exports.begin(), tables.exports.end());
    const std::set<std::string> expected = {"has_interface",     "get_name",   "get_uuid",
                                            "create_interface",  "is_resident", "get_info",
                                            "get_text_encoding"};
    EXPECT_EQ(exports, expected);
    EXPECT_EQ(tables.exports.size(), 7u);
}

TEST(DllFile, ImportsOnlySystemLibraries)
{
    const PeTables tables = ReadPeTables("Z_Vormelt10.dll");
    ASSERT_TRUE(tables.valid);
    const std::set<std::string> allowed = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "ADVAPI32.DLL",
                                           "COMCTL32.DLL", "MSVCRT.DLL"};
    ASSERT_FALSE(tables.imports.empty());
    for (const std::string& library : tables.imports)
        EXPECT_TRUE(allowed.count(Upper(library))) << library << " is not a system library";
}

// Removing the debug information rewrites the DLL; it must keep what lets
// Windows load it at a random, high address with data not executable.
TEST(DllFile, KeepsAddressRandomisationAndDataExecutionPrevention)
{
    const PeTables tables = ReadPeTables("Z_Vormelt10.dll");
    ASSERT_TRUE(tables.valid);
    for (unsigned flag : {IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA,
                          IMAGE_DLLCHARACTERISTICS_NX_COMPAT})
        EXPECT_EQ(tables.dllCharacteristics & flag, flag) << std::hex << flag;
}

TEST(DllFile, CarriesVersionInformation)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA("Z_Vormelt10.dll", &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA("Z_Vormelt10.dll", 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    char* name = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\041103a4\\OriginalFilename",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, "Z_Vormelt10.dll");
}

}  // namespace
