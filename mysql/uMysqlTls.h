#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The TLS layer under the transport: one client session of TLS over an
// already connected socket. It never blocks: a call that needs the socket
// to become readable or writable first says so, and the transport waits
// (within its limits) and calls again.
typedef struct bio_st BIO;
typedef struct ssl_st SSL;
typedef struct ssl_ctx_st SSL_CTX;

namespace mysql {

enum class TTlsMode : uint8_t {
    Off,            // never
    Preferred,      // when the server offers it, else in clear text
    Required,       // always; the certificate is not checked
    VerifyCa,       // always, with a certificate signed by a trusted authority
    VerifyIdentity, // as VerifyCa, and the certificate names the host
};

// Modes that never fall back to clear text.
inline bool TlsRequired(TTlsMode mode) {
    return mode >= TTlsMode::Required;
}

struct TTlsOptions {
    TTlsMode Mode = TTlsMode::Preferred;
    // A PEM file of the authorities the verifying modes trust; empty: the
    // system's.
    std::string CaFile;

    bool operator==(const TTlsOptions&) const = default;
};

// Why an encrypted connection could not be made.
enum class TTlsFailure : uint8_t {
    None,
    NotOffered,  // the mode requires TLS and the server does not offer it
    CaFile,      // the authorities' file cannot be read
    NoCaFile,    // verify-ca without an authorities' file
    OldProtocol, // the server speaks only TLS versions older than 1.2
    Handshake,   // the handshake failed or ran out of time
    Certificate, // the server's certificate is not trusted
    HostName,    // the certificate does not name the host
};

class TMysqlTls {
public:
    // Results besides a byte count.
    static constexpr long kFailed = -1;
    static constexpr long kWantRead = -2;
    static constexpr long kWantWrite = -3;

    // A client session over fd for host, not yet shaken hands; nullptr with
    // the reason when it cannot be prepared.
    static std::unique_ptr<TMysqlTls> Create(int fd, const TTlsOptions& options,
                                             const std::string& host, TTlsFailure& failure,
                                             std::string& error);
    ~TMysqlTls();
    TMysqlTls(const TMysqlTls&) = delete;
    TMysqlTls& operator=(const TMysqlTls&) = delete;

    // Goes on with the handshake: 0 once done, kWantRead or kWantWrite, or
    // kFailed with Failure() and ErrorText().
    long Handshake();
    // Bytes read (> 0), 0 when the peer closed, kWantRead, kWantWrite or
    // kFailed.
    long Read(void* buffer, size_t size);
    // Bytes written (> 0; maybe fewer than size), kWantRead, kWantWrite or
    // kFailed. A call that had to wait is repeated with the same bytes.
    long Write(const void* buffer, size_t size);
    // Sends the closing alert if the socket takes it at once.
    void Shutdown();

    // The protocol version and the cipher of the session ("TLSv1.3",
    // "TLS_AES_256_GCM_SHA384").
    std::string Version() const;
    std::string Cipher() const;

    TTlsFailure Failure() const { return failure_; }
    const std::string& ErrorText() const { return errorText_; }
    // errno of the socket call that failed, 0 when the failure was TLS's own.
    int SystemError() const { return systemError_; }

private:
    TMysqlTls() = default;
    long Outcome(int rc, bool handshake);
    // The socket under the session: each call takes or gives what the
    // socket holds or has room for, without waiting.
    static int SocketRead(BIO* bio, char* data, int size);
    static int SocketWrite(BIO* bio, const char* data, int size);

    SSL_CTX* context_ = nullptr;
    SSL* ssl_ = nullptr;
    int fd_ = -1;
    bool verifying_ = false;
    TTlsFailure failure_ = TTlsFailure::None;
    std::string errorText_;
    int systemError_ = 0;
};

} // namespace mysql
