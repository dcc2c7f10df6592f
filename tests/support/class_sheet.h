#pragma once

#include "engine/checkpoints.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A class drawn by the program itself, as a spreadsheet copies it: a header,
// then a name and the results line of each pupil, CR LF.
struct ClassSheet {
    // A class's usual size.
    static constexpr int Size = 35;
    std::string text;
    std::int64_t trials = 0;
    std::int64_t hits = 0;
    // Each pupil's frequency by each checkpoint.
    std::array<std::vector<double>, Checkpoints.size()> byCheckpoint;
};

// Each pupil an automatic run of the main window's rules over the real
// generator, from a seed of its own.
ClassSheet MakeClassSheet(int pupils);
// The class of 35, made once.
const ClassSheet& TheClass();
