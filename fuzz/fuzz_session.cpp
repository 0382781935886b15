// Fuzz target: the server's side of a whole session. The input's first byte
// chooses the client's options; the rest is everything the server says
// (greeting, login verdict, replies, field descriptors, rows, end packets),
// fed through one end of a socket pair while the client connects over the
// other and runs a statement or two.
#include "uMysqlClient.h"

#include <cstddef>
#include <cstdint>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Option bits of the first input byte.
constexpr uint8_t kCompress = 0x01;
constexpr uint8_t kStreamed = 0x02;
constexpr uint8_t kDatabase = 0x04;
constexpr uint8_t kNoPassword = 0x08;
constexpr uint8_t kSecondQuery = 0x10;
constexpr uint8_t kReconnect = 0x20;
constexpr uint8_t kSelectDatabase = 0x40;

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t options = data[0];
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return 0;
    // The whole script goes into the pipe at once; the client reads it as
    // the server's side and finds the end of the stream after it.
    int room = int(size) + 4096;
    ::setsockopt(ends[1], SOL_SOCKET, SO_SNDBUF, &room, sizeof room);
    ::setsockopt(ends[0], SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
    size_t sent = 1;
    while (sent < size) {
        const ssize_t n = ::send(ends[1], data + sent, size - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n <= 0)
            break;
        sent += size_t(n);
    }
    ::shutdown(ends[1], SHUT_WR);
    {
        mysql::TMysqlClient client;
        client.SetUser("fuzz");
        client.SetPassword(options & kNoPassword ? "" : "secret");
        if (options & kDatabase)
            client.SetDatabase("db");
        client.SetCompress(options & kCompress);
        client.SetReconnect(options & kReconnect);
        client.SetAllowLocalFiles(false);
        if (client.ConnectStream(ends[0])) {
            if (options & kSelectDatabase)
                client.SelectDatabase("other");
            bool success = false;
            auto result = client.Query("SELECT a, b FROM t", !(options & kStreamed), success);
            if (result)
                Walk(*result);
            if (options & kSecondQuery) {
                result.reset();
                auto second = client.Query("SELECT 1", true, success);
                if (second)
                    Walk(*second);
            }
        }
        // Take what the client left unread, so that its close finds the
        // stream at its end and does not pause to drain it.
        if (client.Connected()) {
            char rest[4096];
            while (::recv(client.Net().Vio().Socket(), rest, sizeof rest, MSG_DONTWAIT) > 0) {
            }
        }
    }
    ::close(ends[1]);
    return 0;
}
