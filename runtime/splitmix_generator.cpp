#include "runtime/splitmix_generator.h"

#include <bit>

namespace {

constexpr std::uint64_t GoldenGamma = 0x9e3779b97f4a7c15ULL;

// Stafford's "Mix13" finaliser, as used by SplitMix64: every input bit
// affects every output bit.
constexpr std::uint64_t mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

void SplitMixGenerator::reseed(float seed) {
    const std::uint64_t seedBits = std::bit_cast<std::uint32_t>(seed);
    m_state = mix64(m_state ^ mix64(seedBits + GoldenGamma));
}

float SplitMixGenerator::next() {
    m_state += GoldenGamma;
    // The top 24 bits fill a float's mantissa exactly, so r < 1 holds.
    const auto top24 = static_cast<std::uint32_t>(mix64(m_state) >> 40);
    return static_cast<float>(top24) * 0x1p-24f;
}
