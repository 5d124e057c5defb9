#pragma once

// Reads the export names and imported library names of a PE file from disk.

#include <string>
#include <vector>

struct PeTables {
    bool valid = false;
    bool is64Bit = false;
    std::vector<std::string> exports;
    std::vector<std::string> imports;
};

PeTables ReadPeTables(const std::string& path);
