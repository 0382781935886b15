#include "uMysqlClient.h"

#include "uMysqlNewPassword.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <unistd.h>

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
// More columns than any server sends; a larger count is a broken reply.
constexpr uint64_t kMaxColumns = 0xFFFF;
// SendCommandOnce: the command went out but its reply failed.
constexpr int kReplyFailed = -2;

bool IsEnd(const uint8_t* p, int length) {
    return p[0] == kEndMarker && length < 8;
}

std::string Text(const uint8_t* data, size_t length) {
    return data ? std::string(reinterpret_cast<const char*>(data), length) : std::string();
}

// One field descriptor from its packet; false when the packet is malformed.
bool DecodeField(const uint8_t* payload, size_t length, bool layout41, bool longFlags,
                 TMysqlField& field) {
    TPacketReader r(payload, length);
    size_t n;
    bool isNull;
    auto text = [&](std::string& out) {
        const uint8_t* data = r.LengthCodedString(n, isNull);
        out = Text(data, n);
    };
    if (layout41) {
        text(field.Catalog);
        text(field.Db);
        text(field.Table);
        text(field.OrgTable);
        text(field.Name);
        text(field.OrgName);
        const uint8_t* fixed = r.LengthCodedString(n, isNull);
        if (!r.Ok())
            return false;
        if (fixed && n >= 10) {
            field.CharsetNr = ReadU16(fixed);
            field.Length = ReadU32(fixed + 2);
            field.Type = fixed[6];
            field.Flags = ReadU16(fixed + 7);
            field.Decimals = fixed[9];
        }
    } else {
        text(field.Table);
        text(field.Name);
        const uint8_t* len = r.LengthCodedString(n, isNull);
        if (len && n >= 3)
            field.Length = ReadU24(len);
        const uint8_t* type = r.LengthCodedString(n, isNull);
        if (type && n >= 1)
            field.Type = type[0];
        const uint8_t* flags = r.LengthCodedString(n, isNull);
        if (!r.Ok())
            return false;
        if (flags && longFlags) {
            if (n >= 2)
                field.Flags = ReadU16(flags);
            if (n >= 3)
                field.Decimals = flags[2];
        } else if (flags) {
            if (n >= 1)
                field.Flags = flags[0];
            if (n >= 2)
                field.Decimals = flags[1];
        }
    }
    if (!r.Ok())
        return false;
    if ((field.Type <= 9 && (field.Type != 7 || field.Length == 14 || field.Length == 8)) ||
        field.Type == 13)
        field.Flags |= NUM_FLAG;
    field.MaxLength = 0;
    field.NameLength = uint32_t(field.Name.size());
    field.OrgNameLength = uint32_t(field.OrgName.size());
    field.TableLength = uint32_t(field.Table.size());
    field.OrgTableLength = uint32_t(field.OrgTable.size());
    field.DbLength = uint32_t(field.Db.size());
    field.CatalogLength = uint32_t(field.Catalog.size());
    field.DefLength = uint32_t(field.Def.size());
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// TMysqlClient

TMysqlClient::TMysqlClient() {
    SetReadTimeout(kDefaultReadTimeout);
    SetWriteTimeout(kDefaultWriteTimeout);
}

TMysqlClient::~TMysqlClient() {
    Close();
}

void TMysqlClient::DropConnection() {
    net_.Close();
    fields_.clear();
    fieldCount_ = 0;
    status_ = 0;
    if (streamed_) {
        streamed_->session_ = nullptr;
        streamed_ = nullptr;
    }
}

void TMysqlClient::SetHost(const std::string& host) {
    if (host != host_ && Connected())
        DropConnection();
    host_ = host;
}

void TMysqlClient::SetPort(int port) {
    if (port != port_ && Connected())
        DropConnection();
    port_ = port;
}

void TMysqlClient::SetUser(const std::string& user) {
    if (user != user_ && Connected())
        DropConnection();
    user_ = user;
}

void TMysqlClient::SetPassword(const std::string& password) {
    if (password != password_ && Connected())
        DropConnection();
    password_ = password;
}

void TMysqlClient::SetPipeName(const std::string& name) {
    if (name != pipeName_ && Connected() && useNamedPipe_)
        DropConnection();
    pipeName_ = name;
}

bool TMysqlClient::SetDatabase(const std::string& database) {
    database_ = database;
    if (!Connected())
        return false;
    return SelectDatabase(database);
}

void TMysqlClient::SetUseNamedPipe(bool on) {
    if (on != useNamedPipe_ && Connected())
        DropConnection();
    useNamedPipe_ = on;
}

void TMysqlClient::SetCompress(bool on) {
    if (on != compress_ && Connected())
        DropConnection();
    compress_ = on;
}

void TMysqlClient::SetTlsOptions(const TTlsOptions& options) {
    if (!(options == tlsOptions_) && Connected())
        DropConnection();
    tlsOptions_ = options;
}

bool TMysqlClient::Connect(const std::string& host, const std::string& user,
                           const std::string& password, const std::string& database, int port) {
    if (net_.IsOpen())
        return true;
    if (host.empty() && host_.empty())
        return false;
    if (!host.empty())
        host_ = host;
    user_ = user;
    password_ = password;
    database_ = database;
    port_ = port;
    return Connect();
}

bool TMysqlClient::Connect() {
    if (net_.IsOpen())
        return true;
    tlsFailure_ = TTlsFailure::None;
    if (host_.empty() && !streamSource_)
        return false;
    net_.SetDeadline(connectTimeout_ != 0
                             ? TMysqlDeadline::In(std::chrono::seconds(connectTimeout_))
                             : TMysqlDeadline());
    const bool connected = OpenTransport() && LogIn();
    net_.SetDeadline({});
    return connected;
}

bool TMysqlClient::OpenTransport() {
    if (streamSource_) {
        const int fd = streamSource_();
        if (fd < 0) {
            net_.SetError(CR_CONN_HOST_ERROR,
                          FormatClientError(CR_CONN_HOST_ERROR, host_.c_str(), errno));
            return false;
        }
        net_.Attach(fd);
    } else if (useNamedPipe_) {
        net_.Connect(TMysqlVio::kNamedPipe, host_, pipeFallback_, connectTimeout_, port_,
                     pipeName_);
        if (net_.IsOpen()) {
            if (net_.Kind() == TMysqlVio::kNamedPipe) {
                if (host_ != ".")
                    host_.assign(1, '.');
                if (pipeName_ != "MySQL")
                    pipeName_ = std::string("MySQL");
            } else if (net_.Kind() != TMysqlVio::kStream) {
                useNamedPipe_ = false;
                pipeName_.clear();
            }
        }
    } else {
        net_.Connect(TMysqlVio::kTcp, host_, true, connectTimeout_, port_, pipeName_);
        pipeName_.clear();
    }
    return net_.IsOpen();
}

bool TMysqlClient::LogIn() {
    // The login never reconnects: a connection that fails in it fails the
    // connect.
    reconnectsLeft_ = 0;
    if (!Handshake())
        return false;
    // A server that takes no database in the login packet gets it now.
    if (!database_.empty() && !(serverCapabilities_ & CLIENT_CONNECT_WITH_DB)) {
        if (!SendSelectDatabase(database_, false)) {
            net_.Close();
            return false;
        }
    }
    // Servers before 4.1 keep no settings of their own per session, so
    // there is nothing to set up there.
    const uint32_t version = ServerVersionNumber();
    if (version != 0 && version < 40100)
        return true;
    for (const std::string& statement : initStatements_) {
        if (!RunInitStatement(statement)) {
            DropConnection();
            return false;
        }
    }
    return true;
}

bool TMysqlClient::RunInitStatement(const std::string& statement) {
    // Sent once, on this connection only: a failure here must not start
    // another login.
    if (statement.empty())
        return true;
    bool success = false;
    RunStatement(statement, true, success);
    return success && net_.IsOpen();
}

bool TMysqlClient::Handshake() {
    const int length = net_.ReadReply(clientFlags_);
    if (length < 0) {
        net_.Close();
        return false;
    }
    const int protocol = net_.ReadPos()[0];
    net_.SetProtocolVersion(protocol);
    if (protocol != kProtocolVersion && protocol != 9) {
        net_.SetError(CR_VERSION_ERROR,
                      FormatClientError(CR_VERSION_ERROR, protocol, kProtocolVersion));
        net_.Close();
        return false;
    }
    if (!ParseGreeting(length)) {
        net_.ProtocolFault();
        net_.Close();
        return false;
    }

    clientFlags_ |= kDefaultClientFlags;
    if (allowLocalFiles_)
        clientFlags_ |= CLIENT_LOCAL_FILES;
    else
        clientFlags_ &= ~CLIENT_LOCAL_FILES;
    if (!database_.empty())
        clientFlags_ |= CLIENT_CONNECT_WITH_DB;
    if ((serverCapabilities_ & CLIENT_COMPRESS) && (compress_ || (clientFlags_ & CLIENT_COMPRESS)))
        clientFlags_ |= CLIENT_COMPRESS;
    else
        clientFlags_ &= ~CLIENT_COMPRESS;
    if ((clientFlags_ & CLIENT_CHANGE_USER) &&
        !(serverCapabilities_ &
          (CLIENT_PROTOCOL_41 | CLIENT_SECURE_CONNECTION | CLIENT_MULTI_RESULTS)))
        clientFlags_ &= kOldServerMask;

    // Plugin names and TLS are taken only when the server offers them; a
    // server without them is answered as before.
    clientFlags_ &= ~(CLIENT_PLUGIN_AUTH | CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA | CLIENT_SSL);
    std::unique_ptr<TMysqlAuthPlugin> plugin;
    if ((serverCapabilities_ & CLIENT_PLUGIN_AUTH) && (clientFlags_ & CLIENT_PROTOCOL_41) &&
        (serverCapabilities_ & CLIENT_SECURE_CONNECTION)) {
        clientFlags_ |=
                CLIENT_PLUGIN_AUTH | (serverCapabilities_ & CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA);
    }
    const bool tlsOffered =
            (serverCapabilities_ & CLIENT_SSL) && (clientFlags_ & CLIENT_PROTOCOL_41);
    if (tlsOptions_.Mode != TTlsMode::Off && tlsOffered) {
        clientFlags_ |= CLIENT_SSL;
        if (!StartTls()) {
            net_.Close();
            return false;
        }
    } else if (TlsRequired(tlsOptions_.Mode)) {
        tlsFailure_ = TTlsFailure::NotOffered;
        net_.SetError(CR_SSL_CONNECTION_ERROR,
                      FormatClientError(CR_SSL_CONNECTION_ERROR,
                                        "TLS is required, but the server does not offer it"));
        net_.Close();
        return false;
    }
    if (clientFlags_ & CLIENT_PLUGIN_AUTH) {
        // The plugin the greeting names answers its scramble; for one this
        // library does not know, the 4.1 answer goes first and the server
        // switches to what the account needs.
        plugin = TMysqlAuthPlugin::Create(serverPlugin_, password_, net_.Vio().Encrypted());
        if (!plugin)
            plugin = TMysqlAuthPlugin::Create(TMysqlAuthPlugin::kNative, password_,
                                              net_.Vio().Encrypted());
    }

    if (!SendLogin(plugin.get())) {
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
    status_ = 0;
    return true;
}

bool TMysqlClient::ParseGreeting(int length) {
    const uint8_t* p = net_.ReadPos();
    const size_t n = size_t(length);
    const auto* nul = static_cast<const uint8_t*>(std::memchr(p + 1, 0, n - 1));
    if (!nul)
        return false;
    const size_t L = size_t(nul - (p + 1));
    if (n < L + 15)
        return false;
    serverVersion_ = Text(p + 1, L);
    old410_ = serverVersion_.compare(0, 5, "4.1.0") == 0;
    threadId_ = ReadU32(p + L + 2);
    const uint8_t* first = p + L + 6;
    size_t firstLength = 0;
    while (firstLength < 8 && first[firstLength] != 0)
        ++firstLength;
    scramble_ = Text(first, firstLength);
    serverCapabilities_ = 0;
    if (n >= L + 16)
        serverCapabilities_ = p[L + 15] | (n >= L + 17 ? p[L + 16] << 8 : 0);
    if (n >= L + 33) {
        serverLanguage_ = p[L + 17];
        serverStatus_ = ReadU16(p + L + 18);
        serverCapabilities_ |= uint32_t(ReadU16(p + L + 20)) << 16;
    }
    serverPlugin_.clear();
    if (n >= L + 45) {
        const uint8_t* rest = p + L + 33;
        size_t restLength = 0;
        while (restLength < 12 && L + 33 + restLength < n && rest[restLength] != 0)
            ++restLength;
        scramble_ += Text(rest, restLength);
        if (serverCapabilities_ & CLIENT_PLUGIN_AUTH) {
            // The plugin's name follows the scramble's second part (at least
            // 13 bytes, with its zero byte); some servers leave out the name's
            // zero byte at the end of the packet.
            const size_t dataLength = p[L + 22];
            const size_t at = L + 33 + std::max<size_t>(13, dataLength > 8 ? dataLength - 8 : 0);
            if (at < n) {
                const auto* name = p + at;
                const auto* end = static_cast<const uint8_t*>(std::memchr(name, 0, n - at));
                serverPlugin_ = Text(name, end ? size_t(end - name) : n - at);
            }
        }
    }
    if (n >= L + 33 && n < L + 45 && !old410_)
        serverCapabilities_ &= ~CLIENT_SECURE_CONNECTION;
    warningCount_ = 0;
    return true;
}

bool TMysqlClient::StartTls() {
    // The request is the login packet's head; the login follows encrypted.
    uint8_t request[kLoginHead41] = {};
    WriteU32(request, clientFlags_);
    request[7] = 1; // maximum packet size 16,777,216
    request[8] = uint8_t(serverLanguage_);
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
    if (net_.Vio().StartTls(tlsOptions_, host_) != 0) {
        tlsFailure_ = net_.Vio().TlsFailure();
        return false;
    }
    return true;
}

bool TMysqlClient::SendLogin(TMysqlAuthPlugin* plugin) {
    std::string packet;
    if (clientFlags_ & CLIENT_PROTOCOL_41) {
        uint8_t head[kLoginHead41] = {};
        WriteU32(head, clientFlags_);
        head[7] = 1; // maximum packet size 16,777,216
        head[8] = uint8_t(serverLanguage_);
        packet.assign(reinterpret_cast<const char*>(head), sizeof head);
    } else {
        uint8_t head[kLoginHeadOld] = {};
        WriteU16(head, clientFlags_); // maximum packet size 0
        packet.assign(reinterpret_cast<const char*>(head), sizeof head);
    }
    packet.append(user_, 0, kMaxUserName);
    packet.push_back('\0');

    const std::string database =
            (!database_.empty() && (serverCapabilities_ & CLIENT_CONNECT_WITH_DB))
                    ? database_.substr(0, kMaxDatabaseName)
                    : std::string();
    if (plugin) {
        std::string answer = plugin->Start(scramble_);
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
        if (password_.empty()) {
            packet.push_back('\0');
        } else if (serverCapabilities_ & CLIENT_SECURE_CONNECTION) {
            if (old410_) {
                packet.append(8, 'x');
                packet.push_back('\0');
            } else {
                const TScrambleAnswer answer = SecureScramble(scramble_, password_);
                packet.push_back(char(answer.size()));
                packet.append(reinterpret_cast<const char*>(answer.data()), answer.size());
            }
        } else {
            packet += OldScramble(password_, scramble_.substr(0, 8));
            packet.push_back('\0');
        }
        packet += database;
        packet.push_back('\0');
    }
    return net_.WritePacket(packet.data(), packet.size()) == 0 && net_.Flush() == 0;
}

bool TMysqlClient::SendAuthAnswer(const void* data, size_t length) {
    if (net_.WritePacket(data, length) != 0 || net_.Flush() != 0) {
        SetClientError(CR_SERVER_LOST);
        return false;
    }
    return net_.ReadReply(clientFlags_) >= 0;
}

bool TMysqlClient::ReadAuthResult() {
    const int n = net_.ReadReply(clientFlags_);
    if (n < 0)
        return false;
    const uint8_t* p = net_.ReadPos();
    if (old410_) {
        if ((serverCapabilities_ & CLIENT_SECURE_CONNECTION) && n == 24 && p[0] != 0) {
            uint8_t challenge[24];
            std::memcpy(challenge, p, sizeof challenge);
            const TScrambleAnswer answer =
                    challenge[0] == '*' ? Challenge410Old(password_, challenge + 4)
                                        : Challenge410(password_, challenge, challenge + 4);
            return SendAuthAnswer(answer.data(), answer.size());
        }
        return true;
    }
    if (n == 1 && p[0] == kEndMarker && (serverCapabilities_ & CLIENT_SECURE_CONNECTION)) {
        // The server asks for the pre-4.1 answer.
        uint8_t answer[9] = {};
        const std::string scrambled = OldScramble(password_, scramble_.substr(0, 8));
        std::memcpy(answer, scrambled.data(), std::min(scrambled.size(), size_t(8)));
        return SendAuthAnswer(answer, sizeof answer);
    }
    return true;
}

bool TMysqlClient::WriteAuthPacket(const std::string& data) {
    if (net_.WritePacket(data.data(), data.size()) != 0 || net_.Flush() != 0) {
        SetClientError(CR_SERVER_LOST);
        return false;
    }
    return true;
}

bool TMysqlClient::ReadPluginAuthResult(std::unique_ptr<TMysqlAuthPlugin> plugin) {
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
            answer = OldScramble(password_, scramble_.substr(0, 8));
            answer.resize(9, '\0');
        } else if (p[0] == kEndMarker && !switched) {
            // A switch request: the plugin's name, then its challenge.
            switched = true;
            const auto* name = p + 1;
            const auto* nameEnd = static_cast<const uint8_t*>(std::memchr(name, 0, size_t(n - 1)));
            const size_t nameLength = nameEnd ? size_t(nameEnd - name) : size_t(n - 1);
            const std::string pluginName = Text(name, nameLength);
            plugin = TMysqlAuthPlugin::Create(pluginName, password_, net_.Vio().Encrypted());
            if (!plugin) {
                net_.SetError(CR_AUTH_PLUGIN_CANNOT_LOAD,
                              FormatClientError(CR_AUTH_PLUGIN_CANNOT_LOAD, pluginName.c_str()));
                return false;
            }
            const size_t dataAt = nameEnd ? nameLength + 2 : size_t(n);
            answer = plugin->Start(std::string_view(reinterpret_cast<const char*>(p) + dataAt,
                                                    size_t(n) - dataAt));
        } else if (p[0] == kMoreDataMarker) {
            TMysqlAuthPlugin::TStep step = plugin->More(
                    std::string_view(reinterpret_cast<const char*>(p) + 1, size_t(n - 1)));
            if (step.kind == TMysqlAuthPlugin::TStep::Refuse) {
                net_.SetError(CR_AUTH_PLUGIN_ERR,
                              FormatClientError(CR_AUTH_PLUGIN_ERR, plugin->Name(),
                                                step.errorText.c_str()));
                return false;
            }
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

void TMysqlClient::Close() {
    CloseSession(true);
}

void TMysqlClient::CloseSession(bool sendQuit) {
    scramble_.clear();
    threadId_ = 0;
    affectedRows_ = 0;
    insertId_ = 0;
    warningCount_ = 0;
    status_ = 0;
    serverVersion_.clear();
    serverCapabilities_ = 0;
    serverStatus_ = SERVER_STATUS_AUTOCOMMIT;
    serverLanguage_ = 0;
    extraInfo_ = 0;
    info_.clear();
    if (sendQuit && net_.IsOpen()) {
        // The quit's reply is not read, and whether it went out changes
        // nothing: the error fields keep the reason of the caller.
        net_.Clear();
        net_.WriteCommand(COM_QUIT, nullptr, 0);
    }
    net_.Close();
    fields_.clear();
    fieldCount_ = 0;
    if (streamed_) {
        streamed_->session_ = nullptr;
        streamed_ = nullptr;
    }
}

void TMysqlClient::CloseAfterLostReply() {
    // No quit goes to a session that is out of step. The in-transaction bit
    // outlives the close, so that the next command does not silently
    // reconnect into a fresh transaction.
    const uint32_t inTransaction = serverStatus_ & SERVER_STATUS_IN_TRANS;
    CloseSession(false);
    serverStatus_ |= inTransaction;
}

bool TMysqlClient::TryReconnect() {
    if (!reconnect_ || (serverStatus_ & SERVER_STATUS_IN_TRANS)) {
        serverStatus_ &= ~SERVER_STATUS_IN_TRANS;
        return false;
    }
    if (reconnectsLeft_ <= 0)
        return false;
    --reconnectsLeft_;
    return Connect();
}

int TMysqlClient::SendCommand(uint8_t command, const void* argument, size_t length, bool skipReply,
                              bool retry, bool resend) {
    int rc = SendCommandOnce(command, argument, length, skipReply, resend);
    // A failed reply is asked for once more, unless the server let a limit
    // run out.
    if (rc == kReplyFailed && retry && !net_.TimedOut())
        rc = SendCommandOnce(command, argument, length, skipReply, resend);
    return rc == 0 ? 0 : -1;
}

int TMysqlClient::SendCommandOnce(uint8_t command, const void* argument, size_t length,
                                  bool skipReply, bool resend) {
    if (status_ == 0 && net_.IsOpen() && net_.BlockHasMore()) {
        // The server sent more than its last reply: the surplus must not
        // pass for the reply to this command, and the session is out of step.
        net_.ProtocolFault();
        CloseAfterLostReply();
    }
    if (!net_.IsOpen() && !TryReconnect())
        return -1;
    if (status_ != 0) {
        SetClientError(CR_COMMANDS_OUT_OF_SYNC);
        return -1;
    }
    net_.SetError(0, {});
    info_.clear();
    affectedRows_ = 0;
    insertId_ = 0;
    warningCount_ = 0;
    net_.Clear();
    if (net_.WriteCommand(command, argument, length) != 0) {
        // An oversized command was refused before anything was sent: the
        // connection is intact.
        if (net_.ErrorCode() == ER_NET_PACKET_TOO_LARGE)
            return -1;
        const bool timedOut = net_.TimedOut();
        net_.Close();
        fields_.clear();
        fieldCount_ = 0;
        bool sent = false;
        if (resend && !timedOut && TryReconnect()) {
            net_.Clear();
            sent = net_.WriteCommand(command, argument, length) == 0;
        }
        if (!sent) {
            // A server that stopped taking the command is reported like one
            // that stopped answering it.
            SetClientError(timedOut ? CR_SERVER_LOST : CR_SERVER_GONE_ERROR);
            return -1;
        }
    }
    if (skipReply)
        return 0;
    if (net_.ReadReply(clientFlags_) >= 0)
        return 0;
    if (net_.ErrorCode() == CR_SERVER_LOST)
        CloseAfterLostReply();
    return kReplyFailed;
}

bool TMysqlClient::Ping() {
    reconnectsLeft_ = 1;
    return SendCommand(COM_PING, nullptr, 0, false, reconnect_) == 0;
}

bool TMysqlClient::SelectDatabase(const std::string& database) {
    reconnectsLeft_ = 1;
    return SendSelectDatabase(database, reconnect_);
}

bool TMysqlClient::SendSelectDatabase(const std::string& database, bool retry) {
    if (database.empty())
        return false;
    const bool ok =
            SendCommand(COM_INIT_DB, database.data(), database.size(), false, retry, retry) == 0;
    if (ok)
        database_ = database;
    return ok;
}

std::unique_ptr<TMysqlResult> TMysqlClient::Query(std::string_view statement, bool buffered,
                                                  bool& success) {
    success = false;
    if (statement.empty())
        return nullptr;
    reconnectsLeft_ = 1;
    if (reconnect_ && SendCommand(COM_PING, nullptr, 0, false, true) != 0)
        return nullptr;
    return RunStatement(statement, buffered, success);
}

std::unique_ptr<TMysqlResult> TMysqlClient::RunStatement(std::string_view statement, bool buffered,
                                                         bool& success) {
    success = false;
    try {
        // The statement goes out once: a lost reply is reported, never
        // answered by sending the statement again.
        if (SendCommand(COM_QUERY, statement.data(), statement.size(), true, false, false) != 0)
            return nullptr;
        if (ReadResultHeader() != 0) {
            if (net_.ErrorCode() == CR_SERVER_LOST || !net_.IsOpen())
                CloseAfterLostReply();
            return nullptr;
        }
        net_.SetErrorCode(0);
        std::unique_ptr<TMysqlResult> result;
        if (buffered) {
            result = BufferResult();
            net_.ShrinkBuffer();
        } else {
            result = StreamResult();
        }
        if (!net_.IsOpen())
            CloseAfterLostReply();
        success = net_.ErrorCode() == 0;
        return result;
    } catch (const std::bad_alloc&) {
        // The rest of the reply cannot be read into memory: drop the
        // connection so that it cannot be mistaken for the next reply.
        DropConnection();
        SetClientError(CR_OUT_OF_MEMORY);
        return nullptr;
    }
}

bool TMysqlClient::ParseOk(const uint8_t* p, size_t length) {
    TPacketReader r(p, length);
    r.LengthCoded64(); // column count 0
    affectedRows_ = r.LengthCoded64();
    insertId_ = r.LengthCoded64();
    if (clientFlags_ & CLIENT_PROTOCOL_41) {
        serverStatus_ = r.U16();
        warningCount_ = r.U16();
    } else if (serverCapabilities_ & CLIENT_TRANSACTIONS) {
        serverStatus_ = r.U16();
        warningCount_ = 0;
    }
    if (r.Ok() && r.Remaining() > 0) {
        size_t n;
        bool isNull;
        const uint8_t* message = r.LengthCodedString(n, isNull);
        info_ = Text(message, n);
    }
    return r.Ok();
}

void TMysqlClient::ReadEnd(const uint8_t* p, int length) {
    if ((clientFlags_ & CLIENT_PROTOCOL_41) && length >= 5) {
        warningCount_ = ReadU16(p + 1);
        serverStatus_ = ReadU16(p + 3);
    }
}

int TMysqlClient::ReadResultHeader() {
    int n = net_.ReadReply(clientFlags_);
    if (n < 0)
        return -1;
    fields_.clear();
    fieldCount_ = 0;
    const uint8_t* p = net_.ReadPos();
    const uint8_t* end = p + n;
    uint64_t count;
    if (!ReadLengthCoded64(p, end, count)) {
        net_.ProtocolFault();
        return -1;
    }
    while (count == kNullLength64 && p[-1] == kNullMarker) {
        // The server asks for a file of this machine.
        const std::string name = Text(p, size_t(end - p));
        if (SendLocalFile(name) != 0)
            return -1;
        n = net_.ReadReply(clientFlags_);
        if (n < 0)
            return -1;
        p = net_.ReadPos();
        end = p + n;
        if (!ReadLengthCoded64(p, end, count)) {
            net_.ProtocolFault();
            return -1;
        }
    }
    if (count == 0) {
        if (!ParseOk(net_.ReadPos(), size_t(n))) {
            net_.ProtocolFault();
            return -1;
        }
        return 0;
    }
    if (count > kMaxColumns) {
        net_.ProtocolFault();
        return -1;
    }
    if (!(serverStatus_ & SERVER_STATUS_AUTOCOMMIT))
        serverStatus_ |= SERVER_STATUS_IN_TRANS;
    extraInfo_ = 0;
    if (p < end && !ReadLengthCoded64(p, end, extraInfo_)) {
        net_.ProtocolFault();
        return -1;
    }
    if (ReadFields(uint32_t(count)) != 0)
        return -1;
    status_ = 1;
    fieldCount_ = int(count);
    return 0;
}

int TMysqlClient::ReadFields(uint32_t count) {
    const bool layout41 = clientFlags_ & CLIENT_PROTOCOL_41;
    const bool longFlags = serverCapabilities_ & CLIENT_LONG_FLAG;
    std::vector<TMysqlField> fields;
    fields.reserve(std::min<uint32_t>(count, 1024));
    for (;;) {
        const int n = net_.ReadReply(clientFlags_);
        if (n < 0)
            return -1;
        const uint8_t* p = net_.ReadPos();
        if (IsEnd(p, n)) {
            ReadEnd(p, n);
            break;
        }
        fields.emplace_back();
        if (fields.size() > count ||
            !DecodeField(p, size_t(n), layout41, longFlags, fields.back())) {
            net_.ProtocolFault();
            return -1;
        }
    }
    if (fields.size() != count) {
        net_.ProtocolFault();
        return -1;
    }
    fields_ = std::move(fields);
    return 0;
}

int TMysqlClient::SendLocalFile(const std::string& name) {
    char text[512];
    if (!allowLocalFiles_) {
        // Nothing of the file leaves this machine.
        std::snprintf(text, sizeof text, kFileRefusedFormat, name.c_str());
        return EndUnsentFile(0, text, true);
    }
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::snprintf(text, sizeof text, kFileNotFoundFormat, name.c_str(), errno);
        return EndUnsentFile(0, text, false);
    }
    std::vector<uint8_t> block(kLocalFileBlock);
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            std::snprintf(text, sizeof text, kFileReadErrorFormat, name.c_str(), error);
            return EndUnsentFile(2, text, false);
        }
        if (got == 0)
            break;
        if (net_.WritePacket(block.data(), size_t(got)) != 0) {
            ::close(fd);
            SetClientError(CR_SERVER_LOST);
            return -1;
        }
    }
    ::close(fd);
    if (net_.WritePacket(nullptr, 0) != 0 || net_.Flush() != 0) {
        SetClientError(CR_SERVER_LOST);
        return -1;
    }
    return 0;
}

int TMysqlClient::EndUnsentFile(int code, const std::string& text, bool serverErrorWins) {
    // The empty packet ends the file as every file ends; the server answers
    // it, and that answer is read here so that it is not taken for the reply
    // to the next command.
    if (net_.WritePacket(nullptr, 0) != 0 || net_.Flush() != 0) {
        SetClientError(CR_SERVER_LOST);
        return -1;
    }
    const bool answered = net_.ReadReply(clientFlags_) >= 0;
    // A lost connection keeps its 2013; a server error stands when asked.
    if (answered || (net_.IsOpen() && !serverErrorWins))
        net_.SetError(code, text);
    return -1;
}

std::unique_ptr<TMysqlResult> TMysqlClient::BufferResult() {
    if (fieldCount_ == 0)
        return nullptr;
    if (status_ != 1) {
        SetClientError(CR_COMMANDS_OUT_OF_SYNC);
        return nullptr;
    }
    auto result = std::make_unique<TMysqlResult>(this, true);
    result->fieldCount_ = fieldCount_;
    result->fields_ = std::move(fields_);
    result->rows_ = std::make_shared<TRowList>(fieldCount_);
    fields_.clear();
    fieldCount_ = 0;
    status_ = 0;

    std::vector<uint32_t> longest(size_t(result->fieldCount_), 0);
    for (;;) {
        const int n = net_.ReadReply(clientFlags_);
        if (n < 0)
            return nullptr;
        const uint8_t* p = net_.ReadPos();
        if (IsEnd(p, n)) {
            ReadEnd(p, n);
            break;
        }
        if (!result->rows_->AddRow(p, size_t(n), longest.data())) {
            net_.ProtocolFault();
            return nullptr;
        }
    }
    for (size_t k = 0; k < longest.size(); ++k)
        result->fields_[k].MaxLength = longest[k];
    result->rowCount_ = result->rows_->RowCount();
    result->fetchState_ = 1;
    if (result->rowCount_ > 0) {
        result->rowIndex_ = 0;
    } else {
        result->eof_ = true;
    }
    affectedRows_ = result->rowCount_;
    return result;
}

std::unique_ptr<TMysqlResult> TMysqlClient::StreamResult() {
    if (fieldCount_ == 0)
        return nullptr;
    if (status_ != 1) {
        SetClientError(CR_COMMANDS_OUT_OF_SYNC);
        return nullptr;
    }
    auto result = std::make_unique<TMysqlResult>(this, false);
    result->fieldCount_ = fieldCount_;
    result->fields_ = std::move(fields_);
    result->streamEnds_.assign(size_t(fieldCount_), 0);
    fields_.clear();
    fieldCount_ = 0;
    status_ = 2;
    streamed_ = result.get();
    result->Next();
    return result;
}

void TMysqlClient::ReleaseStream(TMysqlResult* result) {
    if (streamed_ == result)
        streamed_ = nullptr;
    status_ = 0;
    net_.ShrinkBuffer();
    affectedRows_ = result->rowCount_;
}

// ---------------------------------------------------------------------------
// TMysqlResult

TMysqlResult::TMysqlResult(TMysqlClient* session, bool buffered)
    : session_(session)
    , buffered_(buffered) {}

TMysqlResult::~TMysqlResult() {
    if (buffered_ || !session_)
        return;
    TMysqlClient& s = *session_;
    if (s.streamed_ == this && s.status_ == 2) {
        // Read and drop the rows the server still sends.
        for (;;) {
            const int n = s.net_.ReadReply(s.clientFlags_);
            if (n < 0)
                break;
            const uint8_t* p = s.net_.ReadPos();
            if (IsEnd(p, n)) {
                s.ReadEnd(p, n);
                break;
            }
        }
        s.ReleaseStream(this);
        if (!s.net_.IsOpen())
            s.CloseAfterLostReply();
    } else if (s.streamed_ == this) {
        s.streamed_ = nullptr;
    }
}

bool TMysqlResult::HasRow() const {
    if (buffered_)
        return rowIndex_ < rowCount_;
    return streamRow_;
}

void TMysqlResult::Seek(int64_t row) {
    if (!buffered_ || row < 0 || uint64_t(row) >= rowCount_)
        return;
    eof_ = false;
    rowIndex_ = uint64_t(row);
}

void TMysqlResult::Release() {
    eof_ = true;
    TMysqlClient* s = session_;
    session_ = nullptr;
    s->ReleaseStream(this);
    if (!s->net_.IsOpen())
        s->CloseAfterLostReply();
}

void TMysqlResult::Next() {
    if (buffered_) {
        if (HasRow() && rowIndex_ + 1 < rowCount_) {
            ++rowIndex_;
            eof_ = false;
        } else {
            eof_ = true;
        }
        return;
    }
    eof_ = false;
    if (!session_) {
        if (fetchState_ == 0)
            fetchState_ = -1;
        eof_ = true;
        return;
    }
    TMysqlNet& net = session_->net_;
    const int n = net.ReadReply(session_->clientFlags_);
    if (n < 0) {
        fetchState_ = -1;
        Release();
        return;
    }
    const uint8_t* p = net.ReadPos();
    if (IsEnd(p, n)) {
        session_->ReadEnd(p, n);
        fetchState_ = 1;
        Release();
        return;
    }
    try {
        if (streamData_.size() < size_t(n) + 1)
            streamData_.resize(size_t(n) + 1);
    } catch (const std::bad_alloc&) {
        net.ProtocolFault();
        net.SetError(CR_OUT_OF_MEMORY, ClientErrorText(CR_OUT_OF_MEMORY));
        fetchState_ = -1;
        Release();
        return;
    }
    if (DecodeRow(p, size_t(n), fieldCount_, streamData_.data(), streamEnds_.data(), nullptr) < 0) {
        streamRow_ = false;
        net.ProtocolFault();
        fetchState_ = -1;
        Release();
        return;
    }
    streamRow_ = true;
    rowIndex_ = rowCount_;
    ++rowCount_;
}

const char* TMysqlResult::Value(int column) const {
    if (column < 0 || column >= fieldCount_ || !HasRow())
        return nullptr;
    if (buffered_)
        return rows_->Value(rowIndex_, column, nullptr);
    return RowValue(streamData_.data(), streamEnds_.data(), column, nullptr);
}

size_t TMysqlResult::ValueLength(int column) const {
    if (column < 0 || column >= fieldCount_ || !HasRow())
        return 0;
    size_t length = 0;
    if (buffered_)
        rows_->Value(rowIndex_, column, &length);
    else
        RowValue(streamData_.data(), streamEnds_.data(), column, &length);
    return length;
}

} // namespace mysql
