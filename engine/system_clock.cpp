#include "engine/system_clock.h"

#include <chrono>
#include <ctime>

namespace engine {

float SystemClock::Timer() {
    using std::chrono::system_clock;
    const system_clock::time_point now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&whole, &local);
    const double fraction =
        std::chrono::duration<double>(now - system_clock::from_time_t(whole)).count();
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    return static_cast<float>(seconds);
}

}  // namespace engine
