#pragma once

#include <span>

namespace engine {

// The lowest balance after any customer of one trial, from an empty stock: a
// draw below one half is heads (+1), any other tails (-1). At most 1000 draws,
// one at least. Three ways to the same number; LowestBalance is the fastest
// on the target built for.
int LowestBalanceOneByOne(std::span<const float> draws);
int LowestBalanceByOctets(std::span<const float> draws);
int LowestBalanceByVectors(std::span<const float> draws);
int LowestBalance(std::span<const float> draws);

}  // namespace engine
