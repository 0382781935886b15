#include "uMysqlClient.h"

#include "uMysqlLogin.h"
#include "uMysqlSecret.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <unistd.h>

namespace mysql {

namespace {

// More columns than any server sends; a larger count is a broken reply.
constexpr uint64_t kMaxColumns = 0xFFFF;
// SendCommandOnce: the command went out but its reply failed.
constexpr int kReplyFailed = -2;

bool IsEnd(const uint8_t* p, int length) {
    return p[0] == kEndMarker && length < 8;
}

// One field descriptor from its packet; false when the packet is malformed.
bool DecodeField(const uint8_t* payload, size_t length, bool layout41, bool longFlags,
                 TMysqlField& field) {
    TPacketReader r(payload, length);
    size_t n;
    bool isNull;
    auto text = [&](std::string& out) {
        const uint8_t* data = r.LengthCodedString(n, isNull);
        out = BytesText(data, n);
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
    Wipe(password_);
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
    Wipe(password_);
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

void TMysqlClient::SetAuthOptions(const TAuthOptions& options) {
    if (!(options == authOptions_) && Connected())
        DropConnection();
    authOptions_ = options;
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
    authRefusal_ = TAuthRefusal::None;
    if (host_.empty() && !streamSource_)
        return false;
    if (tlsOptions_.Mode == TTlsMode::VerifyCa && tlsOptions_.CaFile.empty()) {
        // Every publicly issued certificate, for any name, would pass a check
        // against the system's authorities alone.
        tlsFailure_ = TTlsFailure::NoCaFile;
        net_.SetError(CR_SSL_CONNECTION_ERROR,
                      FormatClientError(CR_SSL_CONNECTION_ERROR,
                                        "verify-ca needs a CA file (CAFile), and none is set"));
        return false;
    }
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
    warningCount_ = 0;
    TLoginRequest request;
    request.Host = host_;
    request.User = user_;
    request.Password = password_;
    request.Database = database_;
    request.Compress = compress_;
    request.AllowLocalFiles = allowLocalFiles_;
    request.Tls = tlsOptions_;
    request.Auth = authOptions_;
    TMysqlLogin login(net_, request, server_, clientFlags_);
    const bool loggedIn = login.Run();
    tlsFailure_ = login.TlsFailure();
    authRefusal_ = login.Refusal();
    if (!loggedIn)
        return false;
    status_ = 0;
    // A server that takes no database in the login packet gets it now.
    if (!database_.empty() && !(server_.Capabilities & CLIENT_CONNECT_WITH_DB)) {
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

void TMysqlClient::Close() {
    CloseSession(true);
}

void TMysqlClient::CloseSession(bool sendQuit) {
    server_.Scramble.clear();
    server_.ThreadId = 0;
    affectedRows_ = 0;
    insertId_ = 0;
    warningCount_ = 0;
    status_ = 0;
    server_.Version.clear();
    server_.Capabilities = 0;
    server_.Status = SERVER_STATUS_AUTOCOMMIT;
    server_.Language = 0;
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
    const uint32_t inTransaction = server_.Status & SERVER_STATUS_IN_TRANS;
    CloseSession(false);
    server_.Status |= inTransaction;
}

bool TMysqlClient::TryReconnect() {
    if (!reconnect_ || (server_.Status & SERVER_STATUS_IN_TRANS)) {
        server_.Status &= ~SERVER_STATUS_IN_TRANS;
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
        server_.Status = r.U16();
        warningCount_ = r.U16();
    } else if (server_.Capabilities & CLIENT_TRANSACTIONS) {
        server_.Status = r.U16();
        warningCount_ = 0;
    }
    if (r.Ok() && r.Remaining() > 0) {
        size_t n;
        bool isNull;
        const uint8_t* message = r.LengthCodedString(n, isNull);
        info_ = BytesText(message, n);
    }
    return r.Ok();
}

void TMysqlClient::ReadEnd(const uint8_t* p, int length) {
    if ((clientFlags_ & CLIENT_PROTOCOL_41) && length >= 5) {
        warningCount_ = ReadU16(p + 1);
        server_.Status = ReadU16(p + 3);
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
        const std::string name = BytesText(p, size_t(end - p));
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
    if (!(server_.Status & SERVER_STATUS_AUTOCOMMIT))
        server_.Status |= SERVER_STATUS_IN_TRANS;
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
    const bool longFlags = server_.Capabilities & CLIENT_LONG_FLAG;
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
