#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The trials at which a class compares its experiments: the results line
// carries the hits counted by each of them.
inline constexpr std::array<std::int32_t, 5> Checkpoints = {10, 50, 100, 500, 1000};

// The hits counted by trial k, read back from the frequency history; none
// while the experiment has fewer than k trials.
std::optional<std::int32_t> HitsByTrial(const std::vector<float>& ratioHistory,
                                        std::int32_t trialCount, std::int32_t k);
