#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace mysql {
class TMysqlClient;
}

// The value's low bytes, least significant first, as packets carry numbers.
std::string littleEndian(uint64_t value, int bytes);

class FakeMysqlServer;
// Points the client at the fake server as user "u": no compression, no
// reconnect, a connect limit of 5 s.
void aimAtFake(mysql::TMysqlClient& client, const FakeMysqlServer& fake,
               const std::string& password = "p");

// A scripted peer that plays the server's side of one client connection on
// 127.0.0.1: the test lists the steps (write these bytes, read a packet from
// the client, close), starts it, runs the client against port(), and then
// checks what the peer received. A step that waits for the client gives up
// after a few seconds, so a client that hangs fails the test instead of
// blocking it. Once the script has run on its connections the peer stops
// listening: a later connect is refused at once.
class FakeMysqlServer {
public:
    FakeMysqlServer();
    ~FakeMysqlServer();
    FakeMysqlServer(const FakeMysqlServer&) = delete;
    FakeMysqlServer& operator=(const FakeMysqlServer&) = delete;

    int port() const { return m_port; }

    // Script steps, run in order on the first accepted connection (or on
    // each, see serveConnections).
    // Raw bytes, written as they are.
    FakeMysqlServer& write(const std::string& bytes);
    // One plain packet: 3-byte length, sequence number, payload.
    FakeMysqlServer& writePacket(uint8_t sequence, const std::string& payload);
    // Reads one plain packet from the client and records its payload.
    FakeMysqlServer& readPacket();
    // Reads one compressed packet and records the bytes it carries (inner
    // headers included), uncompressed.
    FakeMysqlServer& readCompressed();
    // Closes the connection.
    FakeMysqlServer& close();
    // Accepts TLS on the connection (a self-signed certificate for
    // 127.0.0.1); the steps after it read and write through it. UpTo11
    // plays an old server that speaks TLS 1.0 and 1.1 only.
    enum class TlsVersions { Current, UpTo11 };
    FakeMysqlServer& startTls(TlsVersions versions = TlsVersions::Current);
    // Falls silent: neither reads nor writes until the client closes the
    // connection, finish() is called or limitMs pass, then closes it. The
    // limit is the watchdog of a test whose client would wait for ever: the
    // close ends that wait, and stallRanOut() tells that it came to this.
    FakeMysqlServer& stall(int limitMs = 10000);

    // Runs the script on each of up to count connections, one after the
    // other; later connections are awaited until finish(). Before start().
    FakeMysqlServer& serveConnections(int count);

    void start();
    // Waits for the script to end; false when a step failed (see error()).
    bool finish();
    // Connections accepted so far.
    int connections() const { return m_connections; }
    // A stall ended by its limit rather than by the client or finish().
    bool stallRanOut() const { return m_stallRanOut; }
    // Bytes the client sent during stalls (read when each stall ends).
    size_t bytesDuringStall() const { return m_bytesDuringStall; }
    const std::string& error() const { return m_error; }
    // Payloads read by readPacket / readCompressed, in order.
    const std::vector<std::string>& received() const { return m_received; }
    // Sequence numbers of the packets read.
    const std::vector<int>& receivedSequences() const { return m_sequences; }
    // Compressed reads: the uncompressed-length field of each header.
    const std::vector<uint32_t>& compressedLengths() const { return m_compressedLengths; }

    // The RSA key pair of the fake server (2048 bits, made once per run):
    // its public half as a PEM "PUBLIC KEY", and what the private half makes
    // of bytes encrypted with OAEP padding (empty when they do not decrypt).
    static std::string rsaPublicKeyPem();
    static std::string rsaDecrypt(const std::string& encrypted);

    // Builders for server packets.
    struct Greeting {
        int protocol = 10;
        std::string version = "5.5.5-10.11.0-fake";
        uint32_t threadId = 7;
        std::string scramble = "abcdefghijklmnopqrst"; // 20 bytes
        uint16_t capabilities = 0xF7FF;
        uint8_t language = 33;
        uint16_t status = 2;
        // The high half of the capabilities (0x8 there: plugin names) and the
        // plugin the greeting names.
        uint16_t upperCapabilities = 0;
        std::string plugin = "mysql_native_password";
    };
    // A full greeting (L + 46 bytes and a plugin name), or cut to length
    // bytes when length is given.
    static std::string greeting(const Greeting& g, int length = -1);
    static std::string ok(uint64_t affected = 0, uint64_t insertId = 0, uint16_t status = 2,
                          uint16_t warnings = 0, const std::string& info = {});
    static std::string error41(uint16_t code, const std::string& state, const std::string& message);
    static std::string eof(uint16_t warnings = 0, uint16_t status = 2);
    static std::string lengthCoded(uint64_t value);
    static std::string lengthCodedString(const std::string& text);
    // A 4.1 field descriptor.
    static std::string field(const std::string& name, uint8_t type = 253, uint32_t length = 255);
    static std::string packet(uint8_t sequence, const std::string& payload);
    // One compressed packet carrying data (compressed when compressIt).
    static std::string compressed(uint8_t sequence, const std::string& data, bool compressIt);

private:
    struct Step {
        enum Kind { Write, ReadPacket, ReadCompressed, Close, Stall, StartTls } kind;
        std::string bytes;
        int limitMs = 0;
        TlsVersions versions = TlsVersions::Current;
    };
    void run();
    int acceptClient(bool first);
    void runScript(int fd);
    bool readExact(int fd, void* buffer, size_t size);
    bool writeAll(int fd, const std::string& bytes);

    struct Tls;
    std::unique_ptr<Tls> m_tls; // the TLS session of the connection, while there is one

    int m_listen = -1;
    int m_wake[2] = {-1, -1}; // finish() writes to it
    int m_port = 0;
    int m_maxConnections = 1;
    std::atomic<int> m_connections{0};
    std::atomic<bool> m_stallRanOut{false};
    std::atomic<size_t> m_bytesDuringStall{0};
    std::vector<Step> m_steps;
    std::thread m_thread;
    std::string m_error;
    std::vector<std::string> m_received;
    std::vector<int> m_sequences;
    std::vector<uint32_t> m_compressedLengths;
};
