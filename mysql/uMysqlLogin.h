#pragma once

#include "uMysqlAuth.h"
#include "uMysqlCT.h"
#include "uMysqlNet.h"
#include "uMysqlTls.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace mysql {

// What a server says of itself in its greeting. The status bits are kept up
// to date by every OK and end packet of the session afterwards.
struct TServerInfo {
    std::string Version;
    uint32_t ThreadId = 0;
    std::string Scramble;
    uint32_t Capabilities = 0;
    uint32_t Status = SERVER_STATUS_AUTOCOMMIT;
    uint32_t Language = 0;
    // The authentication plugin the greeting names (servers that name one).
    std::string Plugin;
    // A 4.1.0 server, with its own challenge after the login packet.
    bool Old410 = false;
};

// Who logs in, and how. The copy of the password is wiped when the request
// goes.
struct TLoginRequest {
    std::string Host;
    std::string User;
    std::string Password;
    std::string Database;
    bool Compress = false;
    bool AllowLocalFiles = false;
    TTlsOptions Tls;
    TAuthOptions Auth;

    ~TLoginRequest();
};

// Why the login would not answer the server.
enum class TAuthRefusal : uint8_t {
    None,
    OldScramble, // a 4.1 or later server asked for the pre-4.1 scramble
    ServerKey,   // a SHA-256 plugin's password would go to a key not trusted
};

// The login on a connection just opened: the greeting, the TLS request and
// handshake, the login packet and the authentication rounds with their plugin
// switches. The server's greeting goes into server, the flags the session
// then speaks with into clientFlags. A failed login closes the connection and
// leaves the reason in the packet layer's error.
class TMysqlLogin {
public:
    TMysqlLogin(TMysqlNet& net, const TLoginRequest& request, TServerInfo& server,
                uint32_t& clientFlags);

    bool Run();
    // Why the login failed to encrypt; None when it did not fail so.
    TTlsFailure TlsFailure() const { return tlsFailure_; }
    // Why the login would not answer; None when it did not fail so.
    TAuthRefusal Refusal() const { return refusal_; }

private:
    bool ReadGreeting();
    bool ParseGreeting(int length);
    void ChooseFlags();
    // Asks the server for TLS and shakes hands; the login follows inside.
    bool StartTls();
    // plugin: the plugin whose first answer goes in the packet, with servers
    // that name plugins; nullptr with the others.
    bool SendLogin(const TMysqlAuthPlugin* plugin, std::string answer);
    // Whether the pre-4.1 scramble may be sent: to servers older than 4.1,
    // or when the options allow it.
    bool OldScrambleAllowed() const;
    std::unique_ptr<TMysqlAuthPlugin> CreatePlugin(std::string_view name) const;
    // Fail the login (2061): the plugin will not answer, for reason.
    bool RefuseFor(const TMysqlAuthPlugin& plugin, const std::string& reason);
    bool RefuseOldScramble();
    bool ReadAuthResult();
    // The rounds with a server that names plugins: switch requests and more
    // data until its verdict.
    bool ReadPluginAuthResult(std::unique_ptr<TMysqlAuthPlugin> plugin);
    bool SendAuthAnswer(const void* data, size_t length);
    // Sends an answer and wipes it.
    bool WriteAuthPacket(std::string& data);
    void SetClientError(int code);

    TMysqlNet& net_;
    const TLoginRequest& request_;
    TServerInfo& server_;
    uint32_t& clientFlags_;
    TTlsFailure tlsFailure_ = TTlsFailure::None;
    TAuthRefusal refusal_ = TAuthRefusal::None;
};

} // namespace mysql
