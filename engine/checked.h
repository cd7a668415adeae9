#pragma once

#include <array>
#include <cstdint>

namespace engine {

// A failed range or overflow check is a run-time error that nothing catches: the
// program stops with a message instead of carrying on with a wrapped value.
using CheckFailureHook = void (*)(const char* message);

// Lets the application show the message in a window before the program stops.
void SetCheckFailureHook(CheckFailureHook hook);

[[noreturn]] void FailCheck(const char* message);

inline std::int16_t Add16(std::int16_t a, std::int16_t b) {
    std::int16_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        FailCheck("16-bit overflow in an addition");
    }
    return sum;
}

inline std::int32_t Add32(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        FailCheck("32-bit overflow in an addition");
    }
    return sum;
}

inline void CheckIndex(int index, int lowest, int highest) {
    if (index < lowest || index > highest) {
        FailCheck("array index out of range");
    }
}

// An array indexed 0..1000, every access checked. Written A(i) as in the
// formulas of the experiment.
template <typename T>
class CheckedArray {
public:
    static constexpr int kLowest = 0;
    static constexpr int kHighest = 1000;

    T& operator()(int index) {
        CheckIndex(index, kLowest, kHighest);
        return items_[static_cast<std::size_t>(index)];
    }
    const T& operator()(int index) const {
        CheckIndex(index, kLowest, kHighest);
        return items_[static_cast<std::size_t>(index)];
    }

    friend bool operator==(const CheckedArray&, const CheckedArray&) = default;

private:
    std::array<T, kHighest + 1> items_{};
};

}  // namespace engine
