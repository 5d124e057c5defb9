#include "pe_tables.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

class Image {
public:
    explicit Image(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    template <class Record>
    const Record* At(size_t offset) const
    {
        return offset + sizeof(Record) <= bytes_.size() ? reinterpret_cast<const Record*>(&bytes_[offset]) : nullptr;
    }

    std::string TextAt(size_t offset) const
    {
        std::string text;
        while (offset < bytes_.size() && bytes_[offset] != '\0')
            text += bytes_[offset++];
        return text;
    }

    size_t size() const { return bytes_.size(); }

private:
    std::vector<char> bytes_;
};

}  // namespace

PeTables ReadPeTables(const std::string& path)
{
    PeTables tables;
    const Image image(path);
    const auto* dos = image.At<IMAGE_DOS_HEADER>(0);
    if (dos == nullptr || dos->e_magic != IMAGE_DOS_SIGNATURE)
        return tables;
    const auto* nt = image.At<IMAGE_NT_HEADERS64>(dos->e_lfanew);
    if (nt == nullptr || nt->Signature != IMAGE_NT_SIGNATURE)
        return tables;
    tables.is64Bit = nt->FileHeader.Machine == IMAGE_FILE_MACHINE_AMD64 &&
                     nt->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    tables.dllCharacteristics = nt->OptionalHeader.DllCharacteristics;

    const size_t sectionsAt = dos->e_lfanew + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                              nt->FileHeader.SizeOfOptionalHeader;
    auto fileOffset = [&](DWORD rva) -> size_t {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto* section = image.At<IMAGE_SECTION_HEADER>(sectionsAt + i * sizeof(IMAGE_SECTION_HEADER));
            if (section != nullptr && rva >= section->VirtualAddress &&
                rva < section->VirtualAddress + section->SizeOfRawData)
                return rva - section->VirtualAddress + section->PointerToRawData;
        }
        return image.size();
    };

    const IMAGE_DATA_DIRECTORY& exportDirectory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (exportDirectory.Size != 0) {
        const auto* exports = image.At<IMAGE_EXPORT_DIRECTORY>(fileOffset(exportDirectory.VirtualAddress));
        if (exports == nullptr)
            return tables;
        for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
            const auto* nameRva = image.At<DWORD>(fileOffset(exports->AddressOfNames) + i * sizeof(DWORD));
            if (nameRva != nullptr)
                tables.exports.push_back(image.TextAt(fileOffset(*nameRva)));
        }
        // Exports by ordinal only would not show among the names.
        if (exports->NumberOfFunctions != exports->NumberOfNames)
            tables.exports.push_back("<unnamed>");
    }

    const IMAGE_DATA_DIRECTORY& importDirectory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (size_t at = fileOffset(importDirectory.VirtualAddress);; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* descriptor = image.At<IMAGE_IMPORT_DESCRIPTOR>(at);
        if (descriptor == nullptr || descriptor->Name == 0)
            break;
        tables.imports.push_back(image.TextAt(fileOffset(descriptor->Name)));
    }
    const IMAGE_DATA_DIRECTORY& delayed = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT];
    if (delayed.Size != 0)
        tables.imports.push_back("<delay-loaded imports>");
    tables.valid = true;
    return tables;
}
