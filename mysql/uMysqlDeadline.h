#pragma once

#include <cstdint>

// A point on the monotonic clock by which a wait must end, or none. The
// arithmetic is done in 64-bit milliseconds and saturates, so that any limit
// a caller can give (up to 2^32 - 1 seconds) stays a finite, positive wait.
namespace mysql {

class TMysqlDeadline {
public:
    // No deadline.
    TMysqlDeadline() = default;
    // That many milliseconds from now (0: now, already passed).
    static TMysqlDeadline In(uint64_t milliseconds);
    static TMysqlDeadline InSeconds(uint32_t seconds) { return In(uint64_t(seconds) * 1000); }

    bool IsSet() const { return at_ >= 0; }
    // Milliseconds left, 0 once passed; only for a set deadline.
    int64_t RemainingMs() const;
    // The earlier of the two; a deadline that is not set never wins.
    TMysqlDeadline Earlier(TMysqlDeadline other) const;
    // Milliseconds left as a poll() timeout: 0 to INT_MAX, -1 when not set.
    int PollTimeout() const;

private:
    explicit TMysqlDeadline(int64_t at)
        : at_(at) {}
    static int64_t NowMs();

    int64_t at_ = -1;
};

} // namespace mysql
