#include "uMysqlDeadline.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <time.h>

namespace mysql {

int64_t TMysqlDeadline::NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

TMysqlDeadline TMysqlDeadline::In(uint64_t milliseconds) {
    const int64_t now = NowMs();
    const uint64_t room = uint64_t(INT64_MAX - now);
    return TMysqlDeadline(milliseconds >= room ? INT64_MAX : now + int64_t(milliseconds));
}

int64_t TMysqlDeadline::RemainingMs() const {
    return std::max<int64_t>(0, at_ - NowMs());
}

TMysqlDeadline TMysqlDeadline::Earlier(TMysqlDeadline other) const {
    if (!IsSet())
        return other;
    if (!other.IsSet())
        return *this;
    return at_ <= other.at_ ? *this : other;
}

int TMysqlDeadline::PollTimeout() const {
    if (!IsSet())
        return -1;
    return int(std::min<int64_t>(RemainingMs(), INT_MAX));
}

} // namespace mysql
