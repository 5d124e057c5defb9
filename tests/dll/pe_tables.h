#pragma once

// Reads the export names, imported library names and DLL characteristics of a
// PE file from disk.

#include <string>
#include <vector>

struct PeTables {
    bool valid = false;
    bool is64Bit = false;
    unsigned dllCharacteristics = 0;
    std::vector<std::string> exports;
    std::vector<std::string> imports;
};

PeTables ReadPeTables(const std::string& path);
