// The computer's local date and time.
#pragma once

#include "session/ports.hpp"

namespace loxar {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
    long long monotonic_ms() const override;
    int utc_offset_minutes() const override;
};

}  // namespace loxar
