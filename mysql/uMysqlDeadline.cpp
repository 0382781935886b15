#include "uMysqlDeadline.h"

#include <algorithm>
#include <cstdint>
#include <time.h>

namespace mysql {

int64_t TMysqlDeadline::Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

TMysqlDeadline TMysqlDeadline::In(Duration wait) {
    const int64_t now = Now();
    const int64_t span = std::max<int64_t>(0, wait.count());
    return TMysqlDeadline(span >= INT64_MAX - now ? INT64_MAX : now + span);
}

TMysqlDeadline::Duration TMysqlDeadline::Remaining() const {
    return Duration(std::max<int64_t>(0, at_ - Now()));
}

TMysqlDeadline TMysqlDeadline::Earlier(TMysqlDeadline other) const {
    if (!IsSet())
        return other;
    if (!other.IsSet())
        return *this;
    return at_ <= other.at_ ? *this : other;
}

} // namespace mysql
