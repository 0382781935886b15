#pragma once

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

// A scripted peer that plays the server's side of one client connection on
// 127.0.0.1: the test lists the steps (write these bytes, read a packet from
// the client, close), starts it, runs the client against port(), and then
// checks what the peer received. A step that waits for the client gives up
// after a few seconds, so a client that hangs fails the test instead of
// blocking it.
class FakeMysqlServer {
public:
    FakeMysqlServer();
    ~FakeMysqlServer();
    FakeMysqlServer(const FakeMysqlServer&) = delete;
    FakeMysqlServer& operator=(const FakeMysqlServer&) = delete;

    int port() const { return m_port; }

    // Script steps, run in order on the first accepted connection.
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

    void start();
    // Waits for the script to end; false when a step failed (see error()).
    bool finish();
    const std::string& error() const { return m_error; }
    // Payloads read by readPacket / readCompressed, in order.
    const std::vector<std::string>& received() const { return m_received; }
    // Sequence numbers of the packets read.
    const std::vector<int>& receivedSequences() const { return m_sequences; }
    // Compressed reads: the uncompressed-length field of each header.
    const std::vector<uint32_t>& compressedLengths() const { return m_compressedLengths; }

    // Builders for server packets.
    struct Greeting {
        int protocol = 10;
        std::string version = "5.5.5-10.11.0-fake";
        uint32_t threadId = 7;
        std::string scramble = "abcdefghijklmnopqrst"; // 20 bytes
        uint16_t capabilities = 0xF7FF;
        uint8_t language = 33;
        uint16_t status = 2;
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
        enum Kind { Write, ReadPacket, ReadCompressed, Close } kind;
        std::string bytes;
    };
    void run();
    bool readExact(int fd, void* buffer, size_t size);

    int m_listen = -1;
    int m_port = 0;
    std::vector<Step> m_steps;
    std::thread m_thread;
    std::string m_error;
    std::vector<std::string> m_received;
    std::vector<int> m_sequences;
    std::vector<uint32_t> m_compressedLengths;
};
