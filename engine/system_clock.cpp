#include "engine/system_clock.h"

#include <chrono>

namespace engine {

float SystemClock::SecondsSinceMidnight() {
    using std::chrono::system_clock;
    const system_clock::time_point now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    if (whole != second_) {
        std::tm local{};
        localtime_r(&whole, &local);
        second_ = whole;
        localSeconds_ = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    }
    const double fraction =
        std::chrono::duration<double>(now - system_clock::from_time_t(whole)).count();
    return static_cast<float>(localSeconds_ + fraction);
}

}  // namespace engine
