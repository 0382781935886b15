#pragma once

#include "uMysqlDeadline.h"
#include "uMysqlTls.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The transport of the client library: one byte stream to the server over a
// TCP socket, with connect, read, write, close and the socket mode switches.
// It also keeps the library's last error number and text.
//
// No wait on the socket is unbounded unless the caller asks for it: each Read
// and Write waits at most its limit for the server (the longest silence
// allowed, 0: none), and never past the deadline when one is set.
//
// Once StartTls has succeeded, Read and Write carry the stream through TLS,
// under the same limits.
namespace mysql {

class TMysqlVio {
public:
    // Kinds of stream.
    static constexpr uint8_t kClosed = 0;
    static constexpr uint8_t kTcp = 1;
    static constexpr uint8_t kStream = 2; // an already connected socket handed over by Attach
    static constexpr uint8_t kNamedPipe = 3;
    static constexpr uint8_t kRefusedKind = 4;

    // Results of Connect.
    static constexpr int kAlreadyOpen = -20;
    static constexpr int kBadKind = -2;
    static constexpr int kStartFailed = -1;
    static constexpr int kPipeFailed = -9;
    static constexpr int kSocketFailed = -8;
    static constexpr int kUnreachable = -7; // host not resolved, or no greeting in time
    static constexpr int kConnectFailed = -6;

    TMysqlVio() = default;
    ~TMysqlVio();
    TMysqlVio(const TMysqlVio&) = delete;
    TMysqlVio& operator=(const TMysqlVio&) = delete;

    // Opens the stream. kind 1 is TCP, kind 3 a named pipe, which this system
    // does not have: it fails with 2017 and, with fallBack, goes on with TCP.
    // A TCP connect waits up to timeout seconds (0: no wait) for the server
    // to speak first, and fails at once with 2003 when the server refuses.
    int Connect(uint8_t kind, const std::string& host, const std::string& pipeName, int port,
                unsigned timeout, bool fallBack);
    // Takes over an already connected socket (kind 2). -20 when open.
    int Attach(int fd);
    // Shuts the sending side, drains what the server still sends without
    // blocking, and closes. The error fields keep their values.
    int Close();

    // Shakes hands for TLS on the open stream; every wait of the handshake
    // ends within its read or write limit and by the deadline. 0, or -1 with
    // the error 2026 and TlsFailure() telling why.
    int StartTls(const TTlsOptions& options, const std::string& host);
    bool Encrypted() const { return tls_ != nullptr; }
    // The session's protocol version and cipher; empty when not encrypted.
    std::string TlsVersion() const { return tls_ ? tls_->Version() : std::string(); }
    std::string TlsCipher() const { return tls_ ? tls_->Cipher() : std::string(); }
    // Why the last StartTls failed.
    TTlsFailure TlsFailure() const { return tlsFailure_; }

    // One receive: bytes read (> 0), 0 when the peer closed, -1 on error or
    // when the server sent nothing within the limit (TimedOut()).
    long Read(void* buffer, size_t size);
    // One send: bytes sent (maybe fewer than size), or -1 on error or when
    // the server took nothing within the limit (TimedOut()).
    long Write(const void* buffer, size_t size);

    // The longest a Read or a Write waits for the server; 0 waits without
    // limit.
    using Duration = TMysqlDeadline::Duration;
    void SetReadLimit(Duration limit) { readLimit_ = limit; }
    Duration ReadLimit() const { return readLimit_; }
    void SetWriteLimit(Duration limit) { writeLimit_ = limit; }
    Duration WriteLimit() const { return writeLimit_; }
    // Every wait, the greeting wait of Connect included, ends by this
    // deadline while it is set (a default TMysqlDeadline clears it).
    void SetDeadline(TMysqlDeadline deadline) { deadline_ = deadline; }
    // The last Read, Write or wait failed because its limit ran out (or the
    // system's keep-alive found the peer gone).
    bool TimedOut() const;

    int SetBlocking(bool blocking);
    bool IsBlocking() const { return (modeFlags_ & 1) == 0; }
    bool WaitReadable(unsigned seconds);
    int SetKeepAlive(bool on);
    int SetFastSend();
    // The last socket error was EINTR, EAGAIN/EWOULDBLOCK or EINPROGRESS.
    bool ShouldRetry() const;
    bool WasInterrupted() const;

    bool IsOpen() const { return kind_ != kClosed; }
    uint8_t Kind() const { return kind_; }
    int Socket() const { return socket_; }
    unsigned Timeout() const { return timeout_; }
    int LastSocketError() const { return lastError_; }

    int ErrorCode() const { return errorCode_; }
    void SetErrorCode(int code) { errorCode_ = code; }
    const std::string& ErrorText() const { return errorText_; }
    void SetErrorText(std::string text);
    void SetError(int code, std::string text) {
        errorCode_ = code;
        SetErrorText(std::move(text));
    }

private:
    int ConnectPipe(std::string& host, std::string& pipeName);
    // The end of one wait under the given limit and the deadline.
    TMysqlDeadline WaitEnd(Duration limit) const;
    // Waits until the socket is ready for events; false on error or when end
    // passes (with ETIMEDOUT). Looks at the socket at least once.
    bool WaitUntil(short events, TMysqlDeadline end);
    int ConnectTcp(const std::string& host, int port);
    void CloseFailedSocket(int fd);
    // One Read or Write through TLS: call runs it, and its wants are waited
    // for within limit.
    template <class Call>
    long ThroughTls(Duration limit, Call call);
    void FailTls(TTlsFailure failure, const std::string& reason);

    int socket_ = -1;
    intptr_t pipe_ = -1;
    uint32_t modeFlags_ = 0;
    uint8_t kind_ = kClosed;
    std::string errorText_;
    int errorCode_ = 0;
    unsigned timeout_ = 0;
    bool blockingWanted_ = true;
    int lastError_ = 0;
    Duration readLimit_{0};
    Duration writeLimit_{0};
    TMysqlDeadline deadline_;
    std::unique_ptr<TMysqlTls> tls_;
    TTlsFailure tlsFailure_ = TTlsFailure::None;
};

} // namespace mysql
