#pragma once

#include "uMysqlAuth.h"
#include "uMysqlCT.h"
#include "uMysqlErrors.h"
#include "uMysqlHelpers.h"
#include "uMysqlLogin.h"
#include "uMysqlNet.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The client session (connect, login, commands) and the result sets it
// returns. No exceptions leave this library for protocol, network or server
// errors: operations return false, -1 or no result and leave the reason in
// ErrorCode() and ErrorText().
namespace mysql {

class TMysqlClient;

// One column of a result.
struct TMysqlField {
    std::string Name;
    std::string OrgName;
    std::string Table;
    std::string OrgTable;
    std::string Db;
    std::string Catalog;
    std::string Def;        // never filled by this library
    uint32_t Length = 0;    // declared length
    uint32_t MaxLength = 0; // longest value of a buffered result
    uint32_t NameLength = 0;
    uint32_t OrgNameLength = 0;
    uint32_t TableLength = 0;
    uint32_t OrgTableLength = 0;
    uint32_t DbLength = 0;
    uint32_t CatalogLength = 0;
    uint32_t DefLength = 0;
    uint32_t Flags = 0;
    uint32_t Decimals = 0;
    uint32_t CharsetNr = 0;
    uint8_t Type = 0;
};

// The rows of a statement's result. A buffered result holds every row and can
// be positioned on any row; a streamed result reads one row at a time and
// blocks other commands of its session until its end is read or it is freed.
// Every result must be freed while the session that produced it exists.
class TMysqlResult {
public:
    TMysqlResult(TMysqlClient* session, bool buffered);
    ~TMysqlResult();
    TMysqlResult(const TMysqlResult&) = delete;
    TMysqlResult& operator=(const TMysqlResult&) = delete;

    int FieldCount() const { return fieldCount_; }
    // Rows held (buffered) or read so far (streamed).
    uint64_t RowCount() const { return rowCount_; }
    const std::vector<TMysqlField>& Fields() const { return fields_; }
    bool Buffered() const { return buffered_; }

    // Buffered only: makes row n current (counted from 0); an index out of
    // range changes nothing.
    void Seek(int64_t row);
    // Advances to the next row (a streamed result reads it).
    void Next();
    // No current row.
    bool Eof() const { return eof_; }
    // Index of the current row; all ones before the first.
    uint64_t RowIndex() const { return rowIndex_; }
    // 0 before the end, 1 end reached, -1 ended by an error or a closed session.
    int FetchState() const { return fetchState_; }

    // Value of a column of the current row as a zero-terminated text, nullptr
    // for SQL NULL, an index out of range or no current row. Stays valid until
    // the result is freed (streamed: until the next Next).
    const char* Value(int column) const;
    // Byte length of that value (values may hold zero bytes); 0 for nullptr.
    size_t ValueLength(int column) const;

    // Buffered only (nullptr otherwise): the rows themselves, shared, for a
    // reader that keeps them after the result is freed.
    std::shared_ptr<const TRowList> Rows() const { return rows_; }

private:
    friend class TMysqlClient;

    void Release();
    bool HasRow() const;

    int fieldCount_ = 0;
    uint64_t rowCount_ = 0;
    std::vector<TMysqlField> fields_;
    TMysqlClient* session_;
    bool buffered_;
    // Streamed: the current row.
    std::vector<char> streamData_;
    std::vector<uint32_t> streamEnds_;
    bool streamRow_ = false;
    // Buffered rows.
    std::shared_ptr<TRowList> rows_;
    uint64_t rowIndex_ = ~uint64_t(0);
    bool eof_ = false;
    int fetchState_ = 0;
};

// A session with a MySQL server.
class TMysqlClient {
public:
    // The longest the server may stay silent while a reply is awaited, and
    // while it takes a command (see README: a long delete sends nothing until
    // it is done).
    static constexpr unsigned kDefaultReadTimeout = 600;
    static constexpr unsigned kDefaultWriteTimeout = 60;

    TMysqlClient();
    ~TMysqlClient();
    TMysqlClient(const TMysqlClient&) = delete;
    TMysqlClient& operator=(const TMysqlClient&) = delete;

    // Properties. Changing host, port, user, password, the named-pipe option
    // or compression on a connected session drops the connection without a
    // quit; the next command reconnects when Reconnect is on.
    void SetHost(const std::string& host);
    const std::string& Host() const { return host_; }
    void SetPort(int port);
    int Port() const { return port_; }
    void SetUser(const std::string& user);
    const std::string& User() const { return user_; }
    void SetPassword(const std::string& password);
    const std::string& Password() const { return password_; }
    void SetPipeName(const std::string& name);
    const std::string& PipeName() const { return pipeName_; }
    // Stores the default database; when connected also selects it and
    // returns whether that worked (false when not connected).
    bool SetDatabase(const std::string& database);
    const std::string& Database() const { return database_; }
    void SetUseNamedPipe(bool on);
    bool UseNamedPipe() const { return useNamedPipe_; }
    void SetPipeFallback(bool on) { pipeFallback_ = on; }
    bool PipeFallback() const { return pipeFallback_; }
    void ClearSpareOption() { spareOption_ = false; }
    bool SpareOption() const { return spareOption_; }
    void SetCompress(bool on);
    bool CompressOption() const { return compress_; }
    void SetReconnect(bool on) { reconnect_ = on; }
    bool Reconnect() const { return reconnect_; }
    // The whole login, from opening the connection to the selected database,
    // ends within this many seconds (0: each of its waits is bounded by the
    // read and write limits only).
    void SetConnectTimeout(unsigned seconds) { connectTimeout_ = seconds; }
    unsigned ConnectTimeout() const { return connectTimeout_; }
    // Seconds a reply (or a command being sent) may wait for the server
    // before the session is closed and the command fails with 2013; 0 waits
    // without limit. TCP keep-alive finds a vanished host in the meantime.
    void SetReadTimeout(unsigned seconds) {
        net_.Vio().SetReadLimit(std::chrono::seconds(seconds));
    }
    unsigned ReadTimeout() const { return Seconds(net_.Vio().ReadLimit()); }
    void SetWriteTimeout(unsigned seconds) {
        net_.Vio().SetWriteLimit(std::chrono::seconds(seconds));
    }
    unsigned WriteTimeout() const { return Seconds(net_.Vio().WriteLimit()); }
    // Whether the session offers to send files of this machine and answers
    // a server's request for one (off by default). Off, a request is refused
    // with an empty file and fails with the server's answer.
    void SetAllowLocalFiles(bool on) { allowLocalFiles_ = on; }
    bool AllowLocalFiles() const { return allowLocalFiles_; }
    void SetClientFlags(uint32_t flags) { clientFlags_ = flags; }
    uint32_t ClientFlags() const { return clientFlags_; }
    // Statements run after every login, a reconnect's included, before the
    // session is used: they set the session up the same way each time. Their
    // results are dropped; one that fails makes the connect fail with its
    // error. Servers before 4.1, which keep no settings per session, get
    // none of them.
    void SetInitStatements(std::vector<std::string> statements) {
        initStatements_ = std::move(statements);
    }
    const std::vector<std::string>& InitStatements() const { return initStatements_; }
    // Encryption (TLS) and the certificate check. The default uses TLS when
    // the server offers it. A mode that requires TLS fails the connect (2026)
    // rather than go on in clear text; changing the options on a connected
    // session drops the connection like the properties above.
    void SetTlsOptions(const TTlsOptions& options);
    const TTlsOptions& TlsOptions() const { return tlsOptions_; }
    // The connection is encrypted; with which protocol version and cipher.
    bool Encrypted() const { return net_.Vio().Encrypted(); }
    std::string TlsVersion() const { return net_.Vio().TlsVersion(); }
    std::string TlsCipher() const { return net_.Vio().TlsCipher(); }
    // Why the last Connect failed to encrypt; None when it did not fail so.
    TTlsFailure TlsFailure() const { return tlsFailure_; }
    // How far the login may go to answer the server (the server's public
    // key, the pre-4.1 scramble); changing them on a connected session drops
    // the connection like the properties above.
    void SetAuthOptions(const TAuthOptions& options);
    const TAuthOptions& AuthOptions() const { return authOptions_; }
    // Why the last Connect would not answer the server; None when it did
    // not fail so.
    TAuthRefusal AuthRefusal() const { return authRefusal_; }

    // Connects with the stored properties; true at once when connected. An
    // empty host gives false without touching the error.
    bool Connect();
    // Stores the given values first (the host only when not empty).
    bool Connect(const std::string& host, const std::string& user, const std::string& password,
                 const std::string& database, int port);
    // Connections the caller opens (a tunnel, a test's socket pair): once
    // set, Connect and every reconnect take their socket from source, which
    // returns a connected socket that the session then owns, or -1.
    void SetStreamSource(std::function<int()> source) { streamSource_ = std::move(source); }
    // Sends quit and closes the connection; a streaming result is detached.
    void Close();
    bool Connected() const { return net_.IsOpen(); }

    // Runs a statement (its bytes are sent unchanged). Returns the result of
    // a statement with a result set, buffered or streamed, or nullptr;
    // success tells whether the statement went through.
    std::unique_ptr<TMysqlResult> Query(std::string_view statement, bool buffered, bool& success);
    bool SelectDatabase(const std::string& database);
    bool Ping();

    int ErrorCode() const { return net_.ErrorCode(); }
    const std::string& ErrorText() const { return net_.ErrorText(); }

    uint64_t AffectedRows() const { return affectedRows_; }
    uint64_t InsertId() const { return insertId_; }
    uint32_t WarningCount() const { return warningCount_; }
    const std::string& Info() const { return info_; }
    uint64_t ExtraInfo() const { return extraInfo_; }
    const std::string& ServerVersion() const { return server_.Version; }
    // The version as one number (VersionNumber): 50505 for "5.5.5-...".
    uint32_t ServerVersionNumber() const { return VersionNumber(server_.Version); }
    uint32_t ThreadId() const { return server_.ThreadId; }
    uint32_t ServerCapabilities() const { return server_.Capabilities; }
    // The status bits of the last greeting, OK or end packet.
    uint32_t ServerStatus() const { return server_.Status; }
    // Whether the server's last status said NO_BACKSLASH_ESCAPES.
    bool NoBackslashEscapes() const {
        return (server_.Status & SERVER_STATUS_NO_BACKSLASH_ESCAPES) != 0;
    }
    uint32_t ServerLanguage() const { return server_.Language; }
    int ProtocolVersion() const { return net_.ProtocolVersion(); }
    const std::string& Scramble() const { return server_.Scramble; }
    bool Old410Mode() const { return server_.Old410; }
    // 0 ready, 1 result header read, 2 rows being streamed.
    int Status() const { return status_; }

    TMysqlNet& Net() { return net_; }

private:
    friend class TMysqlResult;

    bool OpenTransport();
    // Greeting, login and, where the login could not name it, the database.
    bool LogIn();
    bool RunInitStatement(const std::string& statement);
    // Sends one statement, without a reconnect, and reads its result; a
    // reply too large for memory drops the connection (2008).
    std::unique_ptr<TMysqlResult> RunStatement(std::string_view statement, bool buffered,
                                               bool& success);
    bool TryReconnect();
    // Sends a command and, unless skipReply, reads its first reply. With
    // retry, a lost reply is followed by one more attempt; with resend, a
    // failed send is repeated once on a new connection.
    int SendCommand(uint8_t command, const void* argument, size_t length, bool skipReply,
                    bool retry, bool resend = true);
    // One attempt: 0, -1, or -2 when the command went out but its reply
    // failed.
    int SendCommandOnce(uint8_t command, const void* argument, size_t length, bool skipReply,
                        bool resend);
    bool SendSelectDatabase(const std::string& database, bool retry);
    int ReadResultHeader();
    int ReadFields(uint32_t count);
    int SendLocalFile(const std::string& name);
    int EndUnsentFile(int code, const std::string& text, bool serverErrorWins);
    bool ParseOk(const uint8_t* p, size_t length);
    void ReadEnd(const uint8_t* p, int length);
    std::unique_ptr<TMysqlResult> BufferResult();
    std::unique_ptr<TMysqlResult> StreamResult();
    void DropConnection();
    void CloseSession(bool sendQuit);
    void CloseAfterLostReply();
    void ReleaseStream(TMysqlResult* result);
    void SetClientError(int code) { net_.SetError(code, ClientErrorText(code)); }
    static unsigned Seconds(TMysqlDeadline::Duration limit) {
        return unsigned(std::chrono::duration_cast<std::chrono::seconds>(limit).count());
    }

    TMysqlNet net_;
    TServerInfo server_;
    std::string host_;
    std::string user_;
    std::string password_;
    std::string pipeName_;
    std::string database_;
    int port_ = 3306;
    uint64_t affectedRows_ = 0;
    uint64_t insertId_ = 0;
    int status_ = 0;
    bool reconnect_ = true;
    bool useNamedPipe_ = false;
    bool pipeFallback_ = false;
    unsigned connectTimeout_ = 30;
    bool compress_ = true;
    uint32_t clientFlags_ = kDefaultClientFlags;
    uint64_t extraInfo_ = 0;
    std::string info_;
    int fieldCount_ = 0;
    std::vector<TMysqlField> fields_;
    TMysqlResult* streamed_ = nullptr;
    bool spareOption_ = false;
    uint32_t warningCount_ = 0;
    bool allowLocalFiles_ = false;
    std::function<int()> streamSource_;
    TTlsOptions tlsOptions_;
    TTlsFailure tlsFailure_ = TTlsFailure::None;
    TAuthOptions authOptions_;
    TAuthRefusal authRefusal_ = TAuthRefusal::None;
    // Reconnects the running command may still make.
    int reconnectsLeft_ = 0;
    std::vector<std::string> initStatements_;
};

} // namespace mysql
