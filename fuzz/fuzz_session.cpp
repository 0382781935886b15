// Fuzz target: the server's side of a whole session. The input's first byte
// chooses the client's options; the rest is everything the server says
// (greeting, authentication switches and more data, the RSA key, login
// verdict, replies, field descriptors, rows, end packets; after a greeting
// that offers TLS, the bytes of a handshake that cannot succeed),
// fed through one end of a socket pair while the client connects over the
// other and runs a statement or two.
//
// What follows the separator "=RECONNECT=" is what the server says on every
// later connection, which the client opens when it reconnects. With the stall
// option the first connection does not end after its bytes but falls silent,
// so that the client's read limit (50 microseconds here) ends the session.
#include "uMysqlClient.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

// Option bits of the first input byte.
constexpr uint8_t kCompress = 0x01;
constexpr uint8_t kStreamed = 0x02;
constexpr uint8_t kDatabase = 0x04;
constexpr uint8_t kNoPassword = 0x08;
// Also lets the login answer with the pre-4.1 scramble and to the server's
// own public key, so that those rounds are reached too.
constexpr uint8_t kSecondQuery = 0x10;
constexpr uint8_t kReconnect = 0x20;
constexpr uint8_t kSelectDatabase = 0x40;
constexpr uint8_t kStall = 0x80;

constexpr std::string_view kSeparator = "=RECONNECT=";
constexpr std::chrono::microseconds kStallLimit{50};

void Walk(mysql::TMysqlResult& result) {
    volatile size_t sink = 0;
    auto touch = [&] {
        for (int k = -1; k <= result.FieldCount(); ++k) {
            const char* v = result.Value(k);
            const size_t n = result.ValueLength(k);
            if (v)
                sink = sink + size_t(v[n]) + (n ? size_t(v[0]) : 0);
        }
    };
    if (result.Buffered()) {
        for (int64_t i = int64_t(result.RowCount()); i >= -1; --i) {
            result.Seek(i);
            touch();
        }
        while (!result.Eof()) {
            touch();
            result.Next();
        }
    } else {
        for (int rows = 0; !result.Eof() && rows < 100000; ++rows) {
            touch();
            result.Next();
        }
    }
    for (const mysql::TMysqlField& f : result.Fields())
        sink = sink + f.Name.size() + f.Length + f.Flags;
}

// The server's ends of the connections handed to the client.
class Streams {
public:
    ~Streams() {
        for (int fd : serverEnds_)
            ::close(fd);
    }

    // A connection whose server side has said bytes; ended: the server then
    // closes its sending side, else it falls silent.
    int Open(std::string_view bytes, bool ended) {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return -1;
        // The whole script goes into the pipe at once.
        int room = int(bytes.size()) + 4096;
        ::setsockopt(ends[1], SOL_SOCKET, SO_SNDBUF, &room, sizeof room);
        ::setsockopt(ends[0], SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
        size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(ends[1], bytes.data() + sent, bytes.size() - sent,
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n <= 0)
                break;
            sent += size_t(n);
        }
        if (ended)
            ::shutdown(ends[1], SHUT_WR);
        serverEnds_.push_back(ends[1]);
        return ends[0];
    }

private:
    std::vector<int> serverEnds_;
};

// A connect that fails, or a statement that fails, always names a reason.
void CheckReason(const mysql::TMysqlClient& client) {
    if (client.ErrorCode() == 0 && client.ErrorText().empty())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t options = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = rest.find(kSeparator);
    const std::string_view first = rest.substr(0, split);
    const std::string_view later = split == std::string_view::npos
                                           ? std::string_view()
                                           : rest.substr(split + kSeparator.size());
    Streams streams;
    {
        mysql::TMysqlClient client;
        int connections = 0;
        client.SetStreamSource([&] {
            return connections++ == 0 ? streams.Open(first, !(options & kStall))
                                      : streams.Open(later, true);
        });
        client.SetUser("fuzz");
        client.SetPassword(options & kNoPassword ? "" : "secret");
        if (options & kDatabase)
            client.SetDatabase("db");
        client.SetCompress(options & kCompress);
        client.SetReconnect(options & kReconnect);
        mysql::TAuthOptions auth;
        auth.AllowOldPasswords = options & kSecondQuery;
        auth.AllowServerPublicKey = options & kSecondQuery;
        client.SetAuthOptions(auth);
        if (options & kStall) {
            client.Net().Vio().SetReadLimit(kStallLimit);
            client.Net().Vio().SetWriteLimit(kStallLimit);
        }
        const bool connected = client.Connect();
        if (!connected)
            CheckReason(client);
        if (connected || (options & kReconnect)) {
            if (options & kSelectDatabase)
                client.SelectDatabase("other");
            bool success = false;
            auto result = client.Query("SELECT a, b FROM t", !(options & kStreamed), success);
            if (!success)
                CheckReason(client);
            if (result)
                Walk(*result);
            if (options & kSecondQuery) {
                result.reset();
                auto second = client.Query("SELECT 1", true, success);
                if (!success)
                    CheckReason(client);
                if (second)
                    Walk(*second);
            }
        }
        // Take what the client left unread, so that its close finds the
        // stream at its end and does not pause to drain it.
        if (client.Connected()) {
            char unread[4096];
            while (::recv(client.Net().Vio().Socket(), unread, sizeof unread, MSG_DONTWAIT) > 0) {
            }
        }
    }
    return 0;
}
