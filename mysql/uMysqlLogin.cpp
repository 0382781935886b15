#include "uMysqlLogin.h"

#include "uMysqlErrors.h"
#include "uMysqlHelpers.h"
#include "uMysqlNewPassword.h"
#include "uMysqlSecret.h"

#include <algorithm>
#include <cstring>

namespace mysql {

namespace {

constexpr size_t kMaxUserName = 32;
constexpr size_t kMaxDatabaseName = 64;
// The login packet's fixed head in the 4.1 form (also the whole TLS request)
// and in the old form.
constexpr size_t kLoginHead41 = 32;
constexpr size_t kLoginHeadOld = 5;
// Rounds a login may take after the login packet: a switch, a key request,
// the key and the verdict leave room to spare.
constexpr int kMaxAuthRounds = 8;
constexpr const char* kOldPlugin = "mysql_old_password";

} // namespace

TLoginRequest::~TLoginRequest() {
    Wipe(Password);
}

TMysqlLogin::TMysqlLogin(TMysqlNet& net, const TLoginRequest& request, TServerInfo& server,
                         uint32_t& clientFlags)
    : net_(net)
    , request_(request)
    , server_(server)
    , clientFlags_(clientFlags) {}

void TMysqlLogin::SetClientError(int code) {
    net_.SetError(code, ClientErrorText(code));
}

bool TMysqlLogin::OldScrambleAllowed() const {
    const uint32_t version = VersionNumber(server_.Version);
    return request_.Auth.AllowOldPasswords || server_.Old410 || (version != 0 && version < 40100);
}

std::unique_ptr<TMysqlAuthPlugin> TMysqlLogin::CreatePlugin(std::string_view name) const {
    return TMysqlAuthPlugin::Create(name, request_.Password, net_.Vio().Encrypted(), request_.Auth);
}

bool TMysqlLogin::RefuseFor(const TMysqlAuthPlugin& plugin, const std::string& reason) {
    net_.SetError(CR_AUTH_PLUGIN_ERR,
                  FormatClientError(CR_AUTH_PLUGIN_ERR, plugin.Name(), reason.c_str()));
    refusal_ = TAuthRefusal::ServerKey;
    return false;
}

bool TMysqlLogin::RefuseOldScramble() {
    net_.SetError(CR_AUTH_PLUGIN_ERR,
                  FormatClientError(CR_AUTH_PLUGIN_ERR, kOldPlugin,
                                    "the server asks for the pre-4.1 password scramble, which is "
                                    "unsalted and can be broken; allow it with OldPasswords"));
    refusal_ = TAuthRefusal::OldScramble;
    return false;
}

bool TMysqlLogin::Run() {
    if (!ReadGreeting()) {
        net_.Close();
        return false;
    }
    ChooseFlags();
    const bool tlsOffered =
            (server_.Capabilities & CLIENT_SSL) && (clientFlags_ & CLIENT_PROTOCOL_41);
    if (request_.Tls.Mode != TTlsMode::Off && tlsOffered) {
        clientFlags_ |= CLIENT_SSL;
        if (!StartTls()) {
            net_.Close();
            return false;
        }
    } else if (TlsRequired(request_.Tls.Mode)) {
        tlsFailure_ = TTlsFailure::NotOffered;
        net_.SetError(CR_SSL_CONNECTION_ERROR,
                      FormatClientError(CR_SSL_CONNECTION_ERROR,
                                        "TLS is required, but the server does not offer it"));
        net_.Close();
        return false;
    }
    std::unique_ptr<TMysqlAuthPlugin> plugin;
    std::string answer;
    if (clientFlags_ & CLIENT_PLUGIN_AUTH) {
        // The plugin the greeting names answers its scramble; for one this
        // library does not know (or the pre-4.1 one, not allowed here), the
        // 4.1 answer goes first and the server switches to what the account
        // needs.
        if (server_.Plugin != kOldPlugin || OldScrambleAllowed())
            plugin = CreatePlugin(server_.Plugin);
        if (!plugin)
            plugin = CreatePlugin(TMysqlAuthPlugin::kNative);
        TMysqlAuthPlugin::TStep first = plugin->Start(server_.Scramble);
        if (first.kind != TMysqlAuthPlugin::TStep::Send) {
            RefuseFor(*plugin, first.errorText);
            net_.Close();
            return false;
        }
        answer = std::move(first.data);
    } else if (!request_.Password.empty() && !(server_.Capabilities & CLIENT_SECURE_CONNECTION) &&
               !OldScrambleAllowed()) {
        RefuseOldScramble();
        net_.Close();
        return false;
    }

    if (!SendLogin(plugin.get(), std::move(answer))) {
        // The packet layer names no reason for a failed send.
        SetClientError(CR_SERVER_LOST);
        net_.Close();
        return false;
    }
    const bool accepted = plugin ? ReadPluginAuthResult(std::move(plugin)) : ReadAuthResult();
    if (!accepted) {
        net_.Close();
        return false;
    }
    net_.SetCompress(clientFlags_ & CLIENT_COMPRESS);
    return true;
}

bool TMysqlLogin::ReadGreeting() {
    const int length = net_.ReadReply(clientFlags_);
    if (length < 0)
        return false;
    const int protocol = net_.ReadPos()[0];
    net_.SetProtocolVersion(protocol);
    if (protocol != kProtocolVersion && protocol != 9) {
        net_.SetError(CR_VERSION_ERROR,
                      FormatClientError(CR_VERSION_ERROR, protocol, kProtocolVersion));
        return false;
    }
    if (!ParseGreeting(length)) {
        net_.ProtocolFault();
        return false;
    }
    return true;
}

void TMysqlLogin::ChooseFlags() {
    clientFlags_ |= kDefaultClientFlags;
    if (request_.AllowLocalFiles)
        clientFlags_ |= CLIENT_LOCAL_FILES;
    else
        clientFlags_ &= ~CLIENT_LOCAL_FILES;
    if (!request_.Database.empty())
        clientFlags_ |= CLIENT_CONNECT_WITH_DB;
    if ((server_.Capabilities & CLIENT_COMPRESS) &&
        (request_.Compress || (clientFlags_ & CLIENT_COMPRESS)))
        clientFlags_ |= CLIENT_COMPRESS;
    else
        clientFlags_ &= ~CLIENT_COMPRESS;
    if ((clientFlags_ & CLIENT_CHANGE_USER) &&
        !(server_.Capabilities &
          (CLIENT_PROTOCOL_41 | CLIENT_SECURE_CONNECTION | CLIENT_MULTI_RESULTS)))
        clientFlags_ &= kOldServerMask;

    // Plugin names and TLS are taken only when the server offers them; a
    // server without them is answered as before.
    clientFlags_ &= ~(CLIENT_PLUGIN_AUTH | CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA | CLIENT_SSL);
    if ((server_.Capabilities & CLIENT_PLUGIN_AUTH) && (clientFlags_ & CLIENT_PROTOCOL_41) &&
        (server_.Capabilities & CLIENT_SECURE_CONNECTION)) {
        clientFlags_ |=
                CLIENT_PLUGIN_AUTH | (server_.Capabilities & CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA);
    }
}

bool TMysqlLogin::ParseGreeting(int length) {
    const uint8_t* p = net_.ReadPos();
    const size_t n = size_t(length);
    const auto* nul = static_cast<const uint8_t*>(std::memchr(p + 1, 0, n - 1));
    if (!nul)
        return false;
    const size_t L = size_t(nul - (p + 1));
    if (n < L + 15)
        return false;
    server_.Version = BytesText(p + 1, L);
    server_.Old410 = server_.Version.compare(0, 5, "4.1.0") == 0;
    server_.ThreadId = ReadU32(p + L + 2);
    const uint8_t* first = p + L + 6;
    size_t firstLength = 0;
    while (firstLength < 8 && first[firstLength] != 0)
        ++firstLength;
    server_.Scramble = BytesText(first, firstLength);
    server_.Capabilities = 0;
    if (n >= L + 16)
        server_.Capabilities = p[L + 15] | (n >= L + 17 ? p[L + 16] << 8 : 0);
    if (n >= L + 33) {
        server_.Language = p[L + 17];
        server_.Status = ReadU16(p + L + 18);
        server_.Capabilities |= uint32_t(ReadU16(p + L + 20)) << 16;
    }
    server_.Plugin.clear();
    if (n >= L + 45) {
        const uint8_t* rest = p + L + 33;
        size_t restLength = 0;
        while (restLength < 12 && L + 33 + restLength < n && rest[restLength] != 0)
            ++restLength;
        server_.Scramble += BytesText(rest, restLength);
        if (server_.Capabilities & CLIENT_PLUGIN_AUTH) {
            // The plugin's name follows the scramble's second part (at least
            // 13 bytes, with its zero byte); some servers leave out the name's
            // zero byte at the end of the packet.
            const size_t dataLength = p[L + 22];
            const size_t at = L + 33 + std::max<size_t>(13, dataLength > 8 ? dataLength - 8 : 0);
            if (at < n) {
                const auto* name = p + at;
                const auto* end = static_cast<const uint8_t*>(std::memchr(name, 0, n - at));
                server_.Plugin = BytesText(name, end ? size_t(end - name) : n - at);
            }
        }
    }
    if (n >= L + 33 && n < L + 45 && !server_.Old410)
        server_.Capabilities &= ~CLIENT_SECURE_CONNECTION;
    return true;
}

bool TMysqlLogin::StartTls() {
    // The request is the login packet's head; the login follows encrypted.
    uint8_t request[kLoginHead41] = {};
    WriteU32(request, clientFlags_);
    request[7] = 1; // maximum packet size 16,777,216
    request[8] = uint8_t(server_.Language);
    if (net_.BytesAhead() != 0) {
        // Bytes the server sent before its turn would pass for encrypted
        // ones: a connection that does that is not to be trusted.
        net_.ProtocolFault();
        return false;
    }
    if (net_.WritePacket(request, sizeof request) != 0 || net_.Flush() != 0) {
        SetClientError(CR_SERVER_LOST);
        return false;
    }
    if (net_.Vio().StartTls(request_.Tls, request_.Host) != 0) {
        tlsFailure_ = net_.Vio().TlsFailure();
        return false;
    }
    return true;
}

bool TMysqlLogin::SendLogin(const TMysqlAuthPlugin* plugin, std::string answer) {
    std::string packet;
    if (clientFlags_ & CLIENT_PROTOCOL_41) {
        uint8_t head[kLoginHead41] = {};
        WriteU32(head, clientFlags_);
        head[7] = 1; // maximum packet size 16,777,216
        head[8] = uint8_t(server_.Language);
        packet.assign(reinterpret_cast<const char*>(head), sizeof head);
    } else {
        uint8_t head[kLoginHeadOld] = {};
        WriteU16(head, clientFlags_); // maximum packet size 0
        packet.assign(reinterpret_cast<const char*>(head), sizeof head);
    }
    packet.append(request_.User, 0, kMaxUserName);
    packet.push_back('\0');

    const std::string database =
            (!request_.Database.empty() && (server_.Capabilities & CLIENT_CONNECT_WITH_DB))
                    ? request_.Database.substr(0, kMaxDatabaseName)
                    : std::string();
    if (plugin) {
        if (clientFlags_ & CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA) {
            uint8_t length[3] = {0xFC, 0, 0};
            if (answer.size() < 251) {
                packet.push_back(char(answer.size()));
            } else {
                answer.resize(std::min<size_t>(answer.size(), 0xFFFF));
                WriteU16(length + 1, uint32_t(answer.size()));
                packet.append(reinterpret_cast<const char*>(length), sizeof length);
            }
        } else {
            answer.resize(std::min<size_t>(answer.size(), 255));
            packet.push_back(char(answer.size()));
        }
        packet += answer;
        // The server reads a database field only when the flags announce it.
        if (clientFlags_ & CLIENT_CONNECT_WITH_DB) {
            packet += database;
            packet.push_back('\0');
        }
        packet += plugin->Name();
        packet.push_back('\0');
    } else {
        if (request_.Password.empty()) {
            packet.push_back('\0');
        } else if (server_.Capabilities & CLIENT_SECURE_CONNECTION) {
            if (server_.Old410) {
                packet.append(8, 'x');
                packet.push_back('\0');
            } else {
                TScrambleAnswer scrambled = SecureScramble(server_.Scramble, request_.Password);
                packet.push_back(char(scrambled.size()));
                packet.append(reinterpret_cast<const char*>(scrambled.data()), scrambled.size());
                Wipe(scrambled.data(), scrambled.size());
            }
        } else {
            packet += OldScramble(request_.Password, server_.Scramble.substr(0, 8));
            packet.push_back('\0');
        }
        packet += database;
        packet.push_back('\0');
    }
    Wipe(answer);
    // Over TLS the packet may hold the password itself.
    const bool sent = net_.WritePacket(packet.data(), packet.size()) == 0 && net_.Flush() == 0;
    Wipe(packet);
    return sent;
}

bool TMysqlLogin::SendAuthAnswer(const void* data, size_t length) {
    if (net_.WritePacket(data, length) != 0 || net_.Flush() != 0) {
        SetClientError(CR_SERVER_LOST);
        return false;
    }
    return net_.ReadReply(clientFlags_) >= 0;
}

bool TMysqlLogin::ReadAuthResult() {
    const int n = net_.ReadReply(clientFlags_);
    if (n < 0)
        return false;
    const uint8_t* p = net_.ReadPos();
    if (server_.Old410) {
        if ((server_.Capabilities & CLIENT_SECURE_CONNECTION) && n == 24 && p[0] != 0) {
            uint8_t challenge[24];
            std::memcpy(challenge, p, sizeof challenge);
            const TScrambleAnswer answer =
                    challenge[0] == '*' ? Challenge410Old(request_.Password, challenge + 4)
                                        : Challenge410(request_.Password, challenge, challenge + 4);
            return SendAuthAnswer(answer.data(), answer.size());
        }
        return true;
    }
    if (n == 1 && p[0] == kEndMarker && (server_.Capabilities & CLIENT_SECURE_CONNECTION)) {
        // The server asks for the pre-4.1 answer.
        if (!OldScrambleAllowed())
            return RefuseOldScramble();
        uint8_t answer[9] = {};
        const std::string scrambled = OldScramble(request_.Password, server_.Scramble.substr(0, 8));
        std::memcpy(answer, scrambled.data(), std::min(scrambled.size(), size_t(8)));
        return SendAuthAnswer(answer, sizeof answer);
    }
    return true;
}

bool TMysqlLogin::WriteAuthPacket(std::string& data) {
    const bool sent = net_.WritePacket(data.data(), data.size()) == 0 && net_.Flush() == 0;
    // The answer may be the password itself (over TLS) or made from it.
    Wipe(data);
    if (!sent)
        SetClientError(CR_SERVER_LOST);
    return sent;
}

bool TMysqlLogin::ReadPluginAuthResult(std::unique_ptr<TMysqlAuthPlugin> plugin) {
    bool switched = false;
    for (int round = 0; round < kMaxAuthRounds; ++round) {
        const int n = net_.ReadReply(clientFlags_);
        if (n < 0)
            return false;
        const uint8_t* p = net_.ReadPos();
        // Every answer is made before anything is written: the packet is read
        // and written through the same buffer.
        std::string answer;
        if (p[0] == 0)
            return true;
        if (p[0] == kEndMarker && n == 1) {
            // The pre-4.1 answer to the greeting's scramble, as servers
            // without plugin names ask for it.
            if (!OldScrambleAllowed())
                return RefuseOldScramble();
            answer = OldScramble(request_.Password, server_.Scramble.substr(0, 8));
            answer.resize(9, '\0');
        } else if (p[0] == kEndMarker && !switched) {
            // A switch request: the plugin's name, then its challenge.
            switched = true;
            const auto* name = p + 1;
            const auto* nameEnd = static_cast<const uint8_t*>(std::memchr(name, 0, size_t(n - 1)));
            const size_t nameLength = nameEnd ? size_t(nameEnd - name) : size_t(n - 1);
            const std::string pluginName = BytesText(name, nameLength);
            if (pluginName == kOldPlugin && !OldScrambleAllowed())
                return RefuseOldScramble();
            plugin = CreatePlugin(pluginName);
            if (!plugin) {
                net_.SetError(CR_AUTH_PLUGIN_CANNOT_LOAD,
                              FormatClientError(CR_AUTH_PLUGIN_CANNOT_LOAD, pluginName.c_str()));
                return false;
            }
            const size_t dataAt = nameEnd ? nameLength + 2 : size_t(n);
            TMysqlAuthPlugin::TStep step = plugin->Start(std::string_view(
                    reinterpret_cast<const char*>(p) + dataAt, size_t(n) - dataAt));
            if (step.kind != TMysqlAuthPlugin::TStep::Send)
                return RefuseFor(*plugin, step.errorText);
            answer = std::move(step.data);
        } else if (p[0] == kMoreDataMarker) {
            TMysqlAuthPlugin::TStep step = plugin->More(
                    std::string_view(reinterpret_cast<const char*>(p) + 1, size_t(n - 1)));
            if (step.kind == TMysqlAuthPlugin::TStep::Refuse)
                return RefuseFor(*plugin, step.errorText);
            if (step.kind == TMysqlAuthPlugin::TStep::Fault)
                break;
            if (step.kind == TMysqlAuthPlugin::TStep::Read)
                continue;
            answer = std::move(step.data);
        } else {
            break;
        }
        if (!WriteAuthPacket(answer))
            return false;
    }
    // A second switch, a reply no plugin expects, or rounds without end.
    net_.ProtocolFault();
    return false;
}

} // namespace mysql
