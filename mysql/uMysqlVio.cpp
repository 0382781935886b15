#include "uMysqlVio.h"

#include "uMysqlErrors.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace mysql {

namespace {

constexpr int kDefaultPort = 3306;
constexpr int kPipeAttempts = 101;
constexpr int kDrainPieces = 16;
// Keep-alive: the first probe after a minute of silence, then one every ten
// seconds; six unanswered probes end the connection. A host that vanished is
// thus found within about two minutes even in the middle of a long statement,
// whose server answers the probes while it works.
constexpr int kKeepAliveIdle = 60;
constexpr int kKeepAliveInterval = 10;
constexpr int kKeepAliveProbes = 6;
constexpr int64_t kLongestWaitUs = 86400LL * 1000000;

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

void SleepMilliseconds(int ms) {
    timespec ts{0, long(ms) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

} // namespace

TMysqlVio::~TMysqlVio() {
    if (kind_ != kClosed)
        Close();
}

void TMysqlVio::SetErrorText(std::string text) {
    if (text.size() > kMaxErrorText)
        text.resize(kMaxErrorText);
    errorText_ = std::move(text);
}

int TMysqlVio::Connect(uint8_t kind, const std::string& host, const std::string& pipeName, int port,
                       unsigned timeout, bool fallBack) {
    if (kind_ != kClosed)
        return kAlreadyOpen;
    timeout_ = timeout;
    if (kind == kRefusedKind)
        return kBadKind;
    // Copies that the pipe step may change; TCP uses the caller's values.
    std::string pipeHost = host;
    std::string pipe = pipeName;
    if (kind == kNamedPipe) {
        const int rc = ConnectPipe(pipeHost, pipe);
        if (rc == 0)
            return 0;
        if (!fallBack)
            return kPipeFailed;
    }
    return ConnectTcp(host, port);
}

int TMysqlVio::ConnectPipe(std::string& host, std::string& pipeName) {
    // Every pipe connection targets the local machine's pipe "MySQL".
    if (host != ".")
        host.assign(1, '.');
    if (pipeName != "MySQL")
        pipeName = std::string("MySQL");
    // This system has no named pipes: opening the path always fails.
    SetError(CR_NAMEDPIPEOPEN_ERROR, FormatClientError(CR_NAMEDPIPEOPEN_ERROR, host.c_str(),
                                                       pipeName.c_str(), unsigned(ENOENT)));
    (void)kPipeAttempts;
    return -1;
}

void TMysqlVio::CloseFailedSocket(int fd) {
    socket_ = -1;
    kind_ = kClosed;
    modeFlags_ = 0;
    ::close(fd);
}

int TMysqlVio::ConnectTcp(const std::string& givenHost, int port) {
    if (port == 0)
        port = kDefaultPort;
    const std::string host = givenHost.empty() ? std::string("localhost") : givenHost;

    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        lastError_ = errno;
        SetError(CR_IPSOCK_ERROR, FormatClientError(CR_IPSOCK_ERROR, lastError_));
        return kSocketFailed;
    }

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const int rc = getaddrinfo(host.c_str(), nullptr, &hints, &found);
        if (rc != 0 || found == nullptr) {
            lastError_ = rc == EAI_SYSTEM ? errno : rc;
            SetError(CR_UNKNOWN_HOST, FormatClientError(CR_UNKNOWN_HOST, host.c_str(), lastError_));
            if (found)
                freeaddrinfo(found);
            ::close(fd);
            return kUnreachable;
        }
        address.sin_addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
        freeaddrinfo(found);
    }

    socket_ = fd;
    kind_ = kTcp;
    SetBlocking(false);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 &&
        errno != EINPROGRESS && errno != EWOULDBLOCK) {
        lastError_ = errno;
        SetError(CR_CONN_HOST_ERROR,
                 FormatClientError(CR_CONN_HOST_ERROR, host.c_str(), lastError_));
        CloseFailedSocket(fd);
        return kConnectFailed;
    }
    SetFastSend();
    SetKeepAlive(true);

    if (timeout_ != 0) {
        // Wait for the greeting. A refused or failed connect wakes the wait at
        // once; the socket's pending error tells which.
        const bool readable = WaitReadable(timeout_);
        int pending = 0;
        socklen_t size = sizeof pending;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &pending, &size) != 0)
            pending = errno;
        if (pending != 0 || !readable) {
            lastError_ = pending != 0 ? pending : ETIMEDOUT;
            SetError(CR_CONN_HOST_ERROR,
                     FormatClientError(CR_CONN_HOST_ERROR, host.c_str(), lastError_));
            CloseFailedSocket(fd);
            return pending != 0 ? kConnectFailed : kUnreachable;
        }
    }
    if (blockingWanted_)
        SetBlocking(true);
    pipe_ = 0;
    errorText_.clear();
    errorCode_ = 0;
    lastError_ = 0;
    return 0;
}

int TMysqlVio::Attach(int fd) {
    if (kind_ != kClosed)
        return kAlreadyOpen;
    socket_ = fd;
    pipe_ = 0;
    kind_ = kStream;
    modeFlags_ = 0;
    lastError_ = 0;
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0 && (flags & O_NONBLOCK))
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return 0;
}

int TMysqlVio::Close() {
    int result = 0;
    if (tls_) {
        tls_->Shutdown();
        tls_.reset();
    }
    if (kind_ == kNamedPipe) {
        result = 0;
    } else if (kind_ != kClosed && socket_ >= 0) {
        if (::shutdown(socket_, SHUT_WR) != 0)
            result = -1;
        SetBlocking(false);
        // Take what the server still sends, in small pieces with a short
        // pause, but never more than a few pieces: a large reply left unread
        // is dropped with the socket rather than drained piece by piece.
        char drain[256];
        for (int piece = 0; piece < kDrainPieces; ++piece) {
            if (::recv(socket_, drain, sizeof drain, 0) <= 0)
                break;
            SleepMilliseconds(1);
        }
        if (::close(socket_) != 0)
            result = -1;
    }
    kind_ = kClosed;
    socket_ = -1;
    pipe_ = -1;
    modeFlags_ = 0;
    return result;
}

TMysqlDeadline TMysqlVio::WaitEnd(Duration limit) const {
    return limit.count() == 0 ? deadline_ : deadline_.Earlier(TMysqlDeadline::In(limit));
}

bool TMysqlVio::WaitUntil(short events, TMysqlDeadline end) {
    pollfd p{socket_, events, 0};
    for (;;) {
        timespec left{};
        if (end.IsSet()) {
            // One wait lasts a day at most; a later deadline takes several.
            const int64_t us = std::min<int64_t>(end.Remaining().count(), kLongestWaitUs);
            left.tv_sec = time_t(us / 1000000);
            left.tv_nsec = long(us % 1000000) * 1000;
        }
        const int rc = ::ppoll(&p, 1, end.IsSet() ? &left : nullptr, nullptr);
        if (rc > 0)
            return true;
        if (rc < 0 && errno != EINTR) {
            lastError_ = errno;
            return false;
        }
        if (rc == 0 && end.Remaining().count() == 0) {
            lastError_ = ETIMEDOUT;
            return false;
        }
    }
}

void TMysqlVio::FailTls(TTlsFailure failure, const std::string& reason) {
    tlsFailure_ = failure;
    SetError(CR_SSL_CONNECTION_ERROR, FormatClientError(CR_SSL_CONNECTION_ERROR, reason.c_str()));
}

int TMysqlVio::StartTls(const TTlsOptions& options, const std::string& host) {
    tlsFailure_ = TTlsFailure::None;
    if (kind_ == kClosed || socket_ < 0 || tls_)
        return -1;
    TTlsFailure failure = TTlsFailure::None;
    std::string reason;
    std::unique_ptr<TMysqlTls> tls = TMysqlTls::Create(socket_, options, host, failure, reason);
    if (!tls) {
        FailTls(failure, reason);
        return -1;
    }
    for (;;) {
        const long rc = tls->Handshake();
        if (rc == 0)
            break;
        if (rc == TMysqlTls::kFailed) {
            lastError_ = tls->SystemError() ? tls->SystemError() : EPROTO;
            FailTls(tls->Failure(), tls->ErrorText());
            return -1;
        }
        const bool reading = rc == TMysqlTls::kWantRead;
        if (!WaitUntil(reading ? POLLIN : POLLOUT, WaitEnd(reading ? readLimit_ : writeLimit_))) {
            FailTls(TTlsFailure::Handshake,
                    TimedOut() ? std::string("the server did not answer in time")
                               : std::string(std::strerror(lastError_)));
            return -1;
        }
    }
    tls_ = std::move(tls);
    return 0;
}

template <class Call>
long TMysqlVio::ThroughTls(Duration limit, Call call) {
    const TMysqlDeadline end = WaitEnd(limit);
    for (;;) {
        const long n = call();
        if (n >= 0) {
            lastError_ = 0;
            return n;
        }
        if (n == TMysqlTls::kFailed) {
            lastError_ = tls_->SystemError() ? tls_->SystemError() : EPROTO;
            return -1;
        }
        // Without a limit the wait is as long as the server takes.
        if (!WaitUntil(n == TMysqlTls::kWantRead ? POLLIN : POLLOUT, end))
            return -1;
    }
}

long TMysqlVio::Read(void* buffer, size_t size) {
    if (kind_ == kClosed || socket_ < 0)
        return -1;
    if (tls_)
        return ThroughTls(readLimit_, [&] { return tls_->Read(buffer, size); });
    const TMysqlDeadline end = WaitEnd(readLimit_);
    for (;;) {
        if (end.IsSet() && !WaitUntil(POLLIN, end))
            return -1;
        const ssize_t n = ::recv(socket_, buffer, size, end.IsSet() ? MSG_DONTWAIT : 0);
        lastError_ = n < 0 ? errno : 0;
        // Woken without data: wait again within the same limit.
        if (n < 0 && end.IsSet() && WouldBlock(lastError_))
            continue;
        return long(n);
    }
}

long TMysqlVio::Write(const void* buffer, size_t size) {
    if (kind_ == kClosed || socket_ < 0)
        return -1;
    if (tls_)
        return ThroughTls(writeLimit_, [&] { return tls_->Write(buffer, size); });
    const TMysqlDeadline end = WaitEnd(writeLimit_);
    for (;;) {
        if (end.IsSet() && !WaitUntil(POLLOUT, end))
            return -1;
        // Under a limit the send takes what fits and returns, so that a
        // server that stops reading cannot hold it.
        const int flags = MSG_NOSIGNAL | (end.IsSet() ? MSG_DONTWAIT : 0);
        const ssize_t n = ::send(socket_, buffer, size, flags);
        lastError_ = n < 0 ? errno : 0;
        if (n < 0 && end.IsSet() && WouldBlock(lastError_))
            continue;
        return long(n);
    }
}

bool TMysqlVio::TimedOut() const {
    return lastError_ == ETIMEDOUT;
}

int TMysqlVio::SetBlocking(bool blocking) {
    if (kind_ == kClosed)
        return -1;
    if (kind_ == kNamedPipe)
        return 0;
    const uint32_t flags = blocking ? (modeFlags_ & ~1u) : (modeFlags_ | 1u);
    if (flags == modeFlags_)
        return 0;
    modeFlags_ = flags;
    const int current = fcntl(socket_, F_GETFL);
    if (current < 0)
        return -1;
    const int wanted = blocking ? (current & ~O_NONBLOCK) : (current | O_NONBLOCK);
    return fcntl(socket_, F_SETFL, wanted) == 0 ? 0 : -1;
}

bool TMysqlVio::WaitReadable(unsigned seconds) {
    if (kind_ == kNamedPipe)
        return true;
    if (kind_ == kClosed)
        return false;
    return WaitUntil(POLLIN, deadline_.Earlier(TMysqlDeadline::In(std::chrono::seconds(seconds))));
}

int TMysqlVio::SetKeepAlive(bool on) {
    const int value = on ? 1 : 0;
    const int rc = setsockopt(socket_, SOL_SOCKET, SO_KEEPALIVE, &value, sizeof value);
    if (rc == 0 && on) {
        setsockopt(socket_, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepAliveIdle, sizeof kKeepAliveIdle);
        setsockopt(socket_, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepAliveInterval,
                   sizeof kKeepAliveInterval);
        setsockopt(socket_, IPPROTO_TCP, TCP_KEEPCNT, &kKeepAliveProbes, sizeof kKeepAliveProbes);
    }
    return rc;
}

int TMysqlVio::SetFastSend() {
    // A type-of-service request with an empty value, then no-delay. Where
    // the empty request is refused only no-delay counts; here it is
    // accepted, and no-delay is set all the same so that a command sent in
    // two pieces never waits for the server's delayed acknowledgement.
    setsockopt(socket_, IPPROTO_IP, IP_TOS, nullptr, 0);
    const int on = 1;
    return setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on) == 0 ? 0 : -1;
}

bool TMysqlVio::ShouldRetry() const {
    return kind_ != kClosed && (lastError_ == EINTR || lastError_ == EAGAIN ||
                                lastError_ == EWOULDBLOCK || lastError_ == EINPROGRESS);
}

bool TMysqlVio::WasInterrupted() const {
    return lastError_ == EINTR;
}

} // namespace mysql
