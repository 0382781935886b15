#pragma once

#include <chrono>
#include <cstdint>

// A point on the monotonic clock by which a wait must end, or none. The
// arithmetic is done in 64-bit microseconds and saturates, so that any limit
// a caller can give (up to 2^32 - 1 seconds) stays a finite, positive wait.
namespace mysql {

class TMysqlDeadline {
public:
    using Duration = std::chrono::microseconds;

    // No deadline.
    TMysqlDeadline() = default;
    // That long from now (0 or less: now, already passed).
    static TMysqlDeadline In(Duration wait);

    bool IsSet() const { return at_ >= 0; }
    // Time left, 0 once passed; only for a set deadline.
    Duration Remaining() const;
    // The earlier of the two; a deadline that is not set never wins.
    TMysqlDeadline Earlier(TMysqlDeadline other) const;

private:
    explicit TMysqlDeadline(int64_t at)
        : at_(at) {}
    static int64_t Now();

    int64_t at_ = -1; // microseconds of the monotonic clock
};

} // namespace mysql
