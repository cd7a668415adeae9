#pragma once

#include <array>

#include "engine/fault.h"

namespace engine {

// The 120 tallies of one run. Bin 1 holds minima of -115 and below, bin b
// (2..119) the minimum b - 116, bin 120 minima of 4 and above.
class ShortageTallies {
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

    void Tally(int minimum) { ++tallies_[Index(BinOf(minimum))]; }

    int& operator()(int bin) { return tallies_[Index(bin)]; }
    int operator()(int bin) const { return tallies_[Index(bin)]; }

    friend bool operator==(const ShortageTallies&, const ShortageTallies&) = default;

private:
    static std::size_t Index(int bin) {
        if (bin < 1 || bin > kBins) {
            StopOnFault("a bin outside 1..120");
        }
        return static_cast<std::size_t>(bin - 1);
    }

    std::array<int, kBins> tallies_{};
};

}  // namespace engine
