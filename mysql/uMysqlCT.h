#pragma once

#include <cstdint>

// Protocol constants of the client library: capability bits, command codes,
// server status bits and the framing limits.
namespace mysql {

// Capability bits exchanged in the greeting and the login packet.
constexpr uint32_t CLIENT_LONG_PASSWORD = 0x1;
constexpr uint32_t CLIENT_FOUND_ROWS = 0x2;
constexpr uint32_t CLIENT_LONG_FLAG = 0x4;
constexpr uint32_t CLIENT_CONNECT_WITH_DB = 0x8;
constexpr uint32_t CLIENT_NO_SCHEMA = 0x10;
constexpr uint32_t CLIENT_COMPRESS = 0x20;
constexpr uint32_t CLIENT_ODBC = 0x40;
constexpr uint32_t CLIENT_LOCAL_FILES = 0x80;
constexpr uint32_t CLIENT_IGNORE_SPACE = 0x100;
constexpr uint32_t CLIENT_CHANGE_USER = 0x200; // the 4.1 protocol bit as sent to the server
constexpr uint32_t CLIENT_INTERACTIVE = 0x400;
constexpr uint32_t CLIENT_SSL = 0x800;
constexpr uint32_t CLIENT_IGNORE_SIGPIPE = 0x1000;
constexpr uint32_t CLIENT_TRANSACTIONS = 0x2000;
constexpr uint32_t CLIENT_PROTOCOL_41 = 0x4000; // the 4.1 formats the client tests itself
constexpr uint32_t CLIENT_SECURE_CONNECTION = 0x8000;
constexpr uint32_t CLIENT_MULTI_STATEMENTS = 0x10000;
constexpr uint32_t CLIENT_MULTI_RESULTS = 0x20000;
constexpr uint32_t CLIENT_PLUGIN_AUTH = 0x80000; // the greeting names a plugin; switches follow
constexpr uint32_t CLIENT_PLUGIN_AUTH_LENENC_CLIENT_DATA = 0x200000; // length-coded answer

// The capabilities a new session asks for. Local files (0x80) are offered
// only when the session allows them.
constexpr uint32_t kDefaultClientFlags = 0xE205;
// Clears the 4.1 bits (0x200, 0x4000, 0x8000, 0x10000, 0x20000) for an old server.
constexpr uint32_t kOldServerMask = 0xFFFC3DFF;

// Command codes: the first payload byte of a command packet.
constexpr uint8_t COM_QUIT = 1;
constexpr uint8_t COM_INIT_DB = 2;
constexpr uint8_t COM_QUERY = 3;
constexpr uint8_t COM_PING = 14;

// Server status bits.
constexpr uint32_t SERVER_STATUS_IN_TRANS = 0x1;
constexpr uint32_t SERVER_STATUS_AUTOCOMMIT = 0x2;
// The session's sql_mode holds NO_BACKSLASH_ESCAPES: a backslash inside a
// quoted text is an ordinary character.
constexpr uint32_t SERVER_STATUS_NO_BACKSLASH_ESCAPES = 0x200;

// Field flag set for numeric columns.
constexpr uint32_t NUM_FLAG = 0x8000;

// Framing limits.
constexpr uint32_t kMaxPacketLength = 0xFFFFFF; // largest length a header can carry
constexpr uint32_t kMaxBufferSize = 0x1000000;  // the packet buffer stays below 16 MiB
constexpr uint32_t kNetBufferLength = 8192;     // initial and shrunk packet buffer size
constexpr uint32_t kMinCompressLength = 50;     // shorter payloads are sent uncompressed
constexpr uint32_t kLocalFileBlock = 0xF000;    // block size of a local file sent to the server
constexpr int kProtocolVersion = 10;

// Reply markers.
constexpr uint8_t kErrorMarker = 0xFF;
constexpr uint8_t kEndMarker = 0xFE;
constexpr uint8_t kNullMarker = 0xFB;
// Login: more data for the authentication plugin; an authentication switch
// request carries kEndMarker.
constexpr uint8_t kMoreDataMarker = 0x01;

} // namespace mysql
