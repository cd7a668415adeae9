#pragma once

#include <array>
#include <cstdint>

#include "engine/checked.h"

namespace engine {

// The 120 tallies of one run. Bin 1 holds minima of -115 and below, bin b
// (2..119) the minimum b - 116, bin 120 minima of 4 and above.
class ShortageCounts {
public:
    static constexpr int kBins = 120;

    static constexpr int BinOf(int minimum) {
        if (minimum <= -115) {
            return 1;
        }
        if (minimum >= 4) {
            return kBins;
        }
        return minimum + 116;
    }

    void Tally(std::int16_t minimum) {
        std::int16_t& tally = (*this)(BinOf(minimum));
        tally = Add16(tally, 1);
    }

    std::int16_t& operator()(int bin) {
        CheckIndex(bin, 1, kBins);
        return tallies_[static_cast<std::size_t>(bin - 1)];
    }
    std::int16_t operator()(int bin) const {
        CheckIndex(bin, 1, kBins);
        return tallies_[static_cast<std::size_t>(bin - 1)];
    }

    friend bool operator==(const ShortageCounts&, const ShortageCounts&) = default;

private:
    std::array<std::int16_t, kBins> tallies_{};
};

}  // namespace engine
