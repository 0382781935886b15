#include "uMysqlTls.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <sys/socket.h>

namespace mysql {

namespace {

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

long SocketControl(BIO*, int command, long, void*) {
    // OpenSSL flushes after every record; the socket has nothing to flush.
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

// The reason of the oldest error OpenSSL queued, or fallback.
std::string QueuedReason(const char* fallback) {
    const unsigned long code = ERR_peek_error();
    const char* reason = code ? ERR_reason_error_string(code) : nullptr;
    return reason ? std::string(reason) : std::string(fallback);
}

// The handshake failed because the server offers only protocol versions
// this side no longer accepts (TLS 1.0 and 1.1 of older servers).
bool OlderProtocolOnly(unsigned long code) {
    if (ERR_GET_LIB(code) != ERR_LIB_SSL)
        return false;
    switch (ERR_GET_REASON(code)) {
    case SSL_R_UNSUPPORTED_PROTOCOL:
    case SSL_R_TLSV1_ALERT_PROTOCOL_VERSION:
    case SSL_R_VERSION_TOO_LOW:
    case SSL_R_NO_PROTOCOLS_AVAILABLE:
        return true;
    default:
        return false;
    }
}

} // namespace

int TMysqlTls::SocketRead(BIO* bio, char* data, int size) {
    auto* self = static_cast<TMysqlTls*>(BIO_get_data(bio));
    BIO_clear_retry_flags(bio);
    const ssize_t n = ::recv(self->fd_, data, size_t(size), MSG_DONTWAIT);
    if (n < 0) {
        self->systemError_ = errno;
        if (WouldBlock(self->systemError_))
            BIO_set_retry_read(bio);
        return -1;
    }
    return int(n);
}

int TMysqlTls::SocketWrite(BIO* bio, const char* data, int size) {
    auto* self = static_cast<TMysqlTls*>(BIO_get_data(bio));
    BIO_clear_retry_flags(bio);
    const ssize_t n = ::send(self->fd_, data, size_t(size), MSG_DONTWAIT | MSG_NOSIGNAL);
    if (n < 0) {
        self->systemError_ = errno;
        if (WouldBlock(self->systemError_))
            BIO_set_retry_write(bio);
        return -1;
    }
    return int(n);
}

std::unique_ptr<TMysqlTls> TMysqlTls::Create(int fd, const TTlsOptions& options,
                                             const std::string& host, TTlsFailure& failure,
                                             std::string& error) {
    static BIO_METHOD* method = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        method = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "realmdesk socket");
        if (method) {
            BIO_meth_set_read(method, &TMysqlTls::SocketRead);
            BIO_meth_set_write(method, &TMysqlTls::SocketWrite);
            BIO_meth_set_ctrl(method, &SocketControl);
        }
    });

    std::unique_ptr<TMysqlTls> tls(new TMysqlTls);
    tls->fd_ = fd;
    tls->verifying_ =
            options.Mode == TTlsMode::VerifyCa || options.Mode == TTlsMode::VerifyIdentity;
    failure = TTlsFailure::Handshake;
    ERR_clear_error();
    tls->context_ = SSL_CTX_new(TLS_client_method());
    if (!method || !tls->context_ ||
        SSL_CTX_set_min_proto_version(tls->context_, TLS1_2_VERSION) != 1) {
        error = QueuedReason("TLS cannot be set up");
        return nullptr;
    }
    SSL_CTX_set_mode(tls->context_,
                     SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    // A server that closes without the closing alert ends the session like
    // one that sends it: the packet layer notices a lost connection either way.
    // No renegotiation: a server must not change the session's keys or
    // certificate once the handshake has been checked.
    SSL_CTX_set_options(tls->context_, SSL_OP_IGNORE_UNEXPECTED_EOF | SSL_OP_NO_RENEGOTIATION);
    if (tls->verifying_) {
        const bool loaded = options.CaFile.empty()
                                    ? SSL_CTX_set_default_verify_paths(tls->context_) == 1
                                    : SSL_CTX_load_verify_locations(
                                              tls->context_, options.CaFile.c_str(), nullptr) == 1;
        if (!loaded) {
            failure = TTlsFailure::CaFile;
            error = "cannot read the CA file '" + options.CaFile + "'";
            return nullptr;
        }
        SSL_CTX_set_verify(tls->context_, SSL_VERIFY_PEER, nullptr);
    } else {
        SSL_CTX_set_verify(tls->context_, SSL_VERIFY_NONE, nullptr);
    }

    tls->ssl_ = SSL_new(tls->context_);
    BIO* bio = tls->ssl_ ? BIO_new(method) : nullptr;
    if (!bio) {
        error = QueuedReason("TLS cannot be set up");
        return nullptr;
    }
    BIO_set_data(bio, tls.get());
    BIO_set_init(bio, 1);
    SSL_set_bio(tls->ssl_, bio, bio);
    SSL_set_connect_state(tls->ssl_);

    const std::string name = host.empty() ? std::string("localhost") : host;
    unsigned char address[16];
    const bool literal = inet_pton(AF_INET, name.c_str(), address) == 1 ||
                         inet_pton(AF_INET6, name.c_str(), address) == 1;
    // Servers that serve several names choose the certificate by it.
    if (!literal)
        SSL_set_tlsext_host_name(tls->ssl_, name.c_str());
    if (options.Mode == TTlsMode::VerifyIdentity) {
        X509_VERIFY_PARAM* param = SSL_get0_param(tls->ssl_);
        X509_VERIFY_PARAM_set_hostflags(param, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
        const bool named = literal ? X509_VERIFY_PARAM_set1_ip_asc(param, name.c_str()) == 1
                                   : SSL_set1_host(tls->ssl_, name.c_str()) == 1;
        if (!named) {
            error = QueuedReason("the host name cannot be checked");
            return nullptr;
        }
    }
    failure = TTlsFailure::None;
    return tls;
}

TMysqlTls::~TMysqlTls() {
    if (ssl_)
        SSL_free(ssl_);
    if (context_)
        SSL_CTX_free(context_);
}

long TMysqlTls::Outcome(int rc, bool handshake) {
    const int error = SSL_get_error(ssl_, rc);
    switch (error) {
    case SSL_ERROR_WANT_READ:
        return kWantRead;
    case SSL_ERROR_WANT_WRITE:
        return kWantWrite;
    case SSL_ERROR_ZERO_RETURN:
        if (!handshake)
            return 0;
        errorText_ = "the server closed the connection";
        break;
    case SSL_ERROR_SYSCALL:
        if (!handshake && systemError_ == 0)
            return 0;
        errorText_ = systemError_ ? std::string(std::strerror(systemError_))
                                  : std::string("the server closed the connection");
        break;
    default: {
        systemError_ = 0;
        const long verdict = SSL_get_verify_result(ssl_);
        if (handshake && verifying_ && verdict != X509_V_OK) {
            failure_ = verdict == X509_V_ERR_HOSTNAME_MISMATCH ||
                                       verdict == X509_V_ERR_IP_ADDRESS_MISMATCH
                               ? TTlsFailure::HostName
                               : TTlsFailure::Certificate;
            errorText_ = X509_verify_cert_error_string(verdict);
            ERR_clear_error();
            return kFailed;
        }
        if (handshake && OlderProtocolOnly(ERR_peek_error())) {
            failure_ = TTlsFailure::OldProtocol;
            errorText_ = "the server speaks only TLS versions older than 1.2 (" +
                         QueuedReason("unsupported protocol") + ")";
            ERR_clear_error();
            return kFailed;
        }
        errorText_ = QueuedReason("TLS failure");
        break;
    }
    }
    failure_ = TTlsFailure::Handshake;
    ERR_clear_error();
    return kFailed;
}

long TMysqlTls::Handshake() {
    ERR_clear_error();
    systemError_ = 0;
    const int rc = SSL_do_handshake(ssl_);
    return rc == 1 ? 0 : Outcome(rc, true);
}

long TMysqlTls::Read(void* buffer, size_t size) {
    ERR_clear_error();
    systemError_ = 0;
    size_t got = 0;
    const int rc = SSL_read_ex(ssl_, buffer, size, &got);
    return rc == 1 ? long(got) : Outcome(rc, false);
}

long TMysqlTls::Write(const void* buffer, size_t size) {
    ERR_clear_error();
    systemError_ = 0;
    size_t put = 0;
    const int rc = SSL_write_ex(ssl_, buffer, size, &put);
    return rc == 1 ? long(put) : Outcome(rc, false);
}

void TMysqlTls::Shutdown() {
    ERR_clear_error();
    if (SSL_is_init_finished(ssl_))
        SSL_shutdown(ssl_);
    ERR_clear_error();
}

std::string TMysqlTls::Version() const {
    return SSL_get_version(ssl_);
}

std::string TMysqlTls::Cipher() const {
    const char* name = SSL_get_cipher_name(ssl_);
    return name ? std::string(name) : std::string();
}

} // namespace mysql
