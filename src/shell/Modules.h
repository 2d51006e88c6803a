#pragma once

#include <QString>

namespace vorn {

// The suite's module table: numbers 1..8 and their two-letter codes, which name the
// registry keys and the data folders.
enum Module
{
    ModuleAD = 1,
    ModuleFK = 2,
    ModuleGM = 3,
    ModuleKB = 4,
    ModuleKP = 5,
    ModuleKR = 6,
    ModuleOK = 7,
    ModuleST = 8
};

constexpr int kFirstModule = 1;
constexpr int kLastModule = 8;

// "AD" .. "ST"; empty for numbers outside 1..8.
QString ModuleCode(int module);

} // namespace vorn
