#pragma once

#include "engine/checkpoints.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A class of 35 drawn by the program itself, as a spreadsheet copies it: a
// header, then a name and the results line of each pupil, CR LF.
struct ClassSheet {
    static constexpr int Size = 35;
    std::string text;
    std::int64_t trials = 0;
    std::int64_t hits = 0;
    // Each pupil's frequency by each checkpoint.
    std::array<std::vector<double>, Checkpoints.size()> byCheckpoint;
};

// Made once, from the engine's seeded experiments.
const ClassSheet& TheClass();
