#pragma once

#include "engine/random_source.h"

namespace engine {

// The wall clock: seconds since local midnight.
class SystemClock final : public Clock {
public:
    float Timer() override;
};

}  // namespace engine
