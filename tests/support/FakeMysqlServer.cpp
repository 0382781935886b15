#include "FakeMysqlServer.h"

#include "uMysqlClient.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#include <zlib.h>

void aimAtFake(mysql::TMysqlClient& client, const FakeMysqlServer& fake,
               const std::string& password) {
    client.SetHost("127.0.0.1");
    client.SetPort(fake.port());
    client.SetUser("u");
    client.SetPassword(password);
    client.SetCompress(false);
    client.SetReconnect(false);
    client.SetConnectTimeout(5);
}

std::string littleEndian(uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out.push_back(char(value >> (8 * i)));
    return out;
}

namespace {

constexpr int kWaitMilliseconds = 5000;

const auto le = &littleEndian;

// The RSA key of the fake server, made once.
EVP_PKEY* rsaKey() {
    static EVP_PKEY* key = nullptr;
    static std::once_flag once;
    std::call_once(once, [] { key = EVP_RSA_gen(2048); });
    return key;
}

// A server context with a self-signed certificate for 127.0.0.1, made once.
SSL_CTX* serverContext() {
    static SSL_CTX* context = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        EVP_PKEY* key = EVP_EC_gen("P-256");
        X509* certificate = X509_new();
        ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
        X509_gmtime_adj(X509_getm_notBefore(certificate), -3600);
        X509_gmtime_adj(X509_getm_notAfter(certificate), 86400);
        X509_set_pubkey(certificate, key);
        X509_NAME* name = X509_get_subject_name(certificate);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("fake server"), -1, -1,
                                   0);
        X509_set_issuer_name(certificate, name);
        X509V3_CTX v3;
        X509V3_set_ctx(&v3, certificate, certificate, nullptr, nullptr, 0);
        X509_EXTENSION* san =
                X509V3_EXT_conf_nid(nullptr, &v3, NID_subject_alt_name, "IP:127.0.0.1");
        X509_add_ext(certificate, san, -1);
        X509_EXTENSION_free(san);
        X509_sign(certificate, key, EVP_sha256());
        context = SSL_CTX_new(TLS_server_method());
        SSL_CTX_use_certificate(context, certificate);
        SSL_CTX_use_PrivateKey(context, key);
        X509_free(certificate);
        EVP_PKEY_free(key);
    });
    return context;
}

} // namespace

struct FakeMysqlServer::Tls {
    SSL* ssl = nullptr;
    ~Tls() {
        if (ssl)
            SSL_free(ssl);
    }
};

std::string FakeMysqlServer::rsaPublicKeyPem() {
    BIO* bio = BIO_new(BIO_s_mem());
    PEM_write_bio_PUBKEY(bio, rsaKey());
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    std::string pem(data, size_t(size));
    BIO_free(bio);
    return pem;
}

std::string FakeMysqlServer::rsaDecrypt(const std::string& encrypted) {
    EVP_PKEY_CTX* context = EVP_PKEY_CTX_new_from_pkey(nullptr, rsaKey(), nullptr);
    std::string plain(512, '\0');
    size_t size = plain.size();
    const bool ok = context && EVP_PKEY_decrypt_init(context) == 1 &&
                    EVP_PKEY_CTX_set_rsa_padding(context, RSA_PKCS1_OAEP_PADDING) == 1 &&
                    EVP_PKEY_decrypt(context, reinterpret_cast<unsigned char*>(plain.data()), &size,
                                     reinterpret_cast<const unsigned char*>(encrypted.data()),
                                     encrypted.size()) == 1;
    EVP_PKEY_CTX_free(context);
    plain.resize(ok ? size : 0);
    return plain;
}

FakeMysqlServer::FakeMysqlServer() {
    if (::pipe2(m_wake, O_CLOEXEC) != 0)
        m_wake[0] = m_wake[1] = -1;
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        ::listen(m_listen, 4)) {
        m_error = "cannot listen: " + std::string(std::strerror(errno));
        return;
    }
    socklen_t size = sizeof address;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size);
    m_port = ntohs(address.sin_port);
}

FakeMysqlServer::~FakeMysqlServer() {
    finish();
    if (m_listen >= 0)
        ::close(m_listen);
    for (int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
}

FakeMysqlServer& FakeMysqlServer::write(const std::string& bytes) {
    m_steps.push_back({Step::Write, bytes});
    return *this;
}

FakeMysqlServer& FakeMysqlServer::writePacket(uint8_t sequence, const std::string& payload) {
    return write(packet(sequence, payload));
}

FakeMysqlServer& FakeMysqlServer::readPacket() {
    m_steps.push_back({Step::ReadPacket, {}});
    return *this;
}

FakeMysqlServer& FakeMysqlServer::readCompressed() {
    m_steps.push_back({Step::ReadCompressed, {}});
    return *this;
}

FakeMysqlServer& FakeMysqlServer::close() {
    m_steps.push_back({Step::Close, {}});
    return *this;
}

FakeMysqlServer& FakeMysqlServer::startTls(TlsVersions versions) {
    m_steps.push_back({Step::StartTls, {}, 0, versions});
    return *this;
}

FakeMysqlServer& FakeMysqlServer::stall(int limitMs) {
    m_steps.push_back({Step::Stall, {}, limitMs});
    return *this;
}

FakeMysqlServer& FakeMysqlServer::serveConnections(int count) {
    m_maxConnections = count;
    return *this;
}

void FakeMysqlServer::start() {
    m_thread = std::thread([this] { run(); });
}

bool FakeMysqlServer::finish() {
    if (m_thread.joinable()) {
        const char wake = 1;
        if (::write(m_wake[1], &wake, 1) != 1)
            m_error = "cannot wake the peer";
        m_thread.join();
    }
    return m_error.empty();
}

bool FakeMysqlServer::readExact(int fd, void* buffer, size_t size) {
    auto* p = static_cast<char*>(buffer);
    while (size > 0) {
        const bool buffered = m_tls && SSL_pending(m_tls->ssl) > 0;
        pollfd waitFor{fd, POLLIN, 0};
        if (!buffered && ::poll(&waitFor, 1, kWaitMilliseconds) <= 0) {
            m_error = "the client sent nothing in time";
            return false;
        }
        const ssize_t n = m_tls ? SSL_read(m_tls->ssl, p, int(size)) : ::recv(fd, p, size, 0);
        if (n <= 0) {
            m_error = "the client closed the connection";
            return false;
        }
        p += n;
        size -= size_t(n);
    }
    return true;
}

bool FakeMysqlServer::writeAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n =
                m_tls ? SSL_write(m_tls->ssl, bytes.data() + sent, int(bytes.size() - sent))
                      : ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            m_error = "write to the client failed";
            return false;
        }
        sent += size_t(n);
    }
    return true;
}

int FakeMysqlServer::acceptClient(bool first) {
    // The first client is awaited a few seconds, later ones until finish().
    pollfd waitFor[2] = {{m_listen, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    if (::poll(waitFor, 2, kWaitMilliseconds) <= 0 || !(waitFor[0].revents & POLLIN)) {
        if (first)
            m_error = "no client connected";
        return -1;
    }
    const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        m_error = "accept failed";
    return fd;
}

void FakeMysqlServer::run() {
    if (m_listen < 0)
        return;
    for (int served = 0; served < m_maxConnections && m_error.empty(); ++served) {
        const int fd = acceptClient(served == 0);
        if (fd < 0)
            break;
        ++m_connections;
        // A client that stops in the middle of a TLS record cannot hold the
        // peer for longer than this.
        const timeval limit{kWaitMilliseconds / 1000, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        runScript(fd);
        m_tls.reset();
        ::close(fd);
    }
    ::close(m_listen);
    m_listen = -1;
}

void FakeMysqlServer::runScript(int fd) {
    bool open = true;
    for (const Step& step : m_steps) {
        if (!open)
            break;
        switch (step.kind) {
        case Step::Write:
            open = writeAll(fd, step.bytes);
            break;
        case Step::StartTls: {
            m_tls = std::make_unique<Tls>();
            m_tls->ssl = SSL_new(serverContext());
            if (step.versions == TlsVersions::UpTo11) {
                // TLS 1.1 needs the lowest security level of OpenSSL 3.
                SSL_set_security_level(m_tls->ssl, 0);
                SSL_set_min_proto_version(m_tls->ssl, TLS1_VERSION);
                SSL_set_max_proto_version(m_tls->ssl, TLS1_1_VERSION);
            }
            SSL_set_fd(m_tls->ssl, fd);
            if (SSL_accept(m_tls->ssl) != 1) {
                m_error = "TLS handshake with the client failed";
                open = false;
            }
            break;
        }
        case Step::ReadPacket: {
            unsigned char header[4];
            if (!readExact(fd, header, 4)) {
                open = false;
                break;
            }
            const size_t length = header[0] | header[1] << 8 | header[2] << 16;
            std::string payload(length, '\0');
            if (!readExact(fd, payload.data(), length)) {
                open = false;
                break;
            }
            m_received.push_back(payload);
            m_sequences.push_back(header[3]);
            break;
        }
        case Step::ReadCompressed: {
            unsigned char header[7];
            if (!readExact(fd, header, 7)) {
                open = false;
                break;
            }
            const size_t length = header[0] | header[1] << 8 | header[2] << 16;
            const uLongf original = header[4] | header[5] << 8 | header[6] << 16;
            std::string body(length, '\0');
            if (!readExact(fd, body.data(), length)) {
                open = false;
                break;
            }
            if (original != 0) {
                std::string plain(original, '\0');
                uLongf size = original;
                if (uncompress(reinterpret_cast<Bytef*>(plain.data()), &size,
                               reinterpret_cast<const Bytef*>(body.data()), length) != Z_OK ||
                    size != original) {
                    m_error = "the client sent a packet that does not uncompress";
                    open = false;
                    break;
                }
                body = plain;
            }
            m_received.push_back(body);
            m_sequences.push_back(header[3]);
            m_compressedLengths.push_back(uint32_t(original));
            break;
        }
        case Step::Close:
            ::shutdown(fd, SHUT_RDWR);
            open = false;
            break;
        case Step::Stall: {
            pollfd waitFor[2] = {{fd, POLLRDHUP, 0}, {m_wake[0], POLLIN, 0}};
            if (::poll(waitFor, 2, step.limitMs) == 0)
                m_stallRanOut = true;
            char unread[65536];
            for (ssize_t n; (n = ::recv(fd, unread, sizeof unread, MSG_DONTWAIT)) > 0;)
                m_bytesDuringStall += size_t(n);
            open = false;
            break;
        }
        }
    }
}

std::string FakeMysqlServer::packet(uint8_t sequence, const std::string& payload) {
    return le(payload.size(), 3) + char(sequence) + payload;
}

std::string FakeMysqlServer::compressed(uint8_t sequence, const std::string& data,
                                        bool compressIt) {
    if (!compressIt)
        return le(data.size(), 3) + char(sequence) + le(0, 3) + data;
    uLongf size = compressBound(data.size());
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size,
             reinterpret_cast<const Bytef*>(data.data()), data.size());
    packed.resize(size);
    return le(packed.size(), 3) + char(sequence) + le(data.size(), 3) + packed;
}

std::string FakeMysqlServer::greeting(const Greeting& g, int length) {
    std::string out;
    out.push_back(char(g.protocol));
    out += g.version;
    out.push_back('\0');
    out += le(g.threadId, 4);
    out += g.scramble.substr(0, 8);
    out.push_back('\0');
    out += le(g.capabilities, 2);
    out.push_back(char(g.language));
    out += le(g.status, 2);
    out += le(g.upperCapabilities, 2);
    out.push_back(char(21));
    out += std::string(10, '\0');
    out += g.scramble.size() > 8 ? g.scramble.substr(8) : std::string();
    out.push_back('\0');
    out += g.plugin;
    out.push_back('\0');
    if (length >= 0)
        out.resize(size_t(length));
    return out;
}

std::string FakeMysqlServer::ok(uint64_t affected, uint64_t insertId, uint16_t status,
                                uint16_t warnings, const std::string& info) {
    std::string out(1, '\0');
    out += lengthCoded(affected) + lengthCoded(insertId) + le(status, 2) + le(warnings, 2);
    if (!info.empty())
        out += lengthCodedString(info);
    return out;
}

std::string FakeMysqlServer::error41(uint16_t code, const std::string& state,
                                     const std::string& message) {
    return std::string(1, '\xFF') + le(code, 2) + "#" + state + message;
}

std::string FakeMysqlServer::eof(uint16_t warnings, uint16_t status) {
    return std::string(1, '\xFE') + le(warnings, 2) + le(status, 2);
}

std::string FakeMysqlServer::lengthCoded(uint64_t value) {
    if (value < 251)
        return std::string(1, char(value));
    if (value < 0x10000)
        return "\xFC" + le(value, 2);
    if (value < 0x1000000)
        return "\xFD" + le(value, 3);
    return "\xFE" + le(value, 8);
}

std::string FakeMysqlServer::lengthCodedString(const std::string& text) {
    return lengthCoded(text.size()) + text;
}

std::string FakeMysqlServer::field(const std::string& name, uint8_t type, uint32_t length) {
    std::string fixed = le(33, 2) + le(length, 4) + char(type) + le(0, 2) + char(0) + le(0, 2);
    return lengthCodedString("def") + lengthCodedString("db") + lengthCodedString("t") +
           lengthCodedString("t") + lengthCodedString(name) + lengthCodedString(name) +
           lengthCodedString(fixed);
}
