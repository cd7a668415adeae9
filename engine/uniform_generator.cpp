#include "engine/uniform_generator.h"

#include <bit>

namespace engine {
namespace {

// SplitMix64's finaliser: every input bit reaches every output bit.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}

}  // namespace

void UniformGenerator::Reseed(float seed) {
    const std::uint64_t bits = std::bit_cast<std::uint32_t>(seed);
    state_ = Mix(state_ ^ Mix(bits + 0x9e3779b97f4a7c15ULL));
}

}  // namespace engine
