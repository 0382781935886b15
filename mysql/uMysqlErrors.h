#pragma once

#include <cstddef>
#include <string>

namespace mysql {

// Client error numbers of the library's catalogue.
enum ClientError : int {
    CR_UNKNOWN_ERROR = 2000,
    CR_SOCKET_CREATE_ERROR = 2001,
    CR_CONNECTION_ERROR = 2002,
    CR_CONN_HOST_ERROR = 2003,
    CR_IPSOCK_ERROR = 2004,
    CR_UNKNOWN_HOST = 2005,
    CR_SERVER_GONE_ERROR = 2006,
    CR_VERSION_ERROR = 2007,
    CR_OUT_OF_MEMORY = 2008,
    CR_WRONG_HOST_INFO = 2009,
    CR_LOCALHOST_CONNECTION = 2010,
    CR_TCP_CONNECTION = 2011,
    CR_SERVER_HANDSHAKE_ERR = 2012,
    CR_SERVER_LOST = 2013,
    CR_COMMANDS_OUT_OF_SYNC = 2014,
    CR_NAMEDPIPE_CONNECTION = 2015,
    CR_NAMEDPIPEWAIT_ERROR = 2016,
    CR_NAMEDPIPEOPEN_ERROR = 2017,
    CR_NAMEDPIPESETSTATE_ERROR = 2018,
    CR_CANT_READ_CHARSET = 2019,
    CR_NET_PACKET_TOO_LARGE = 2020,
    // Beyond the first range: the codes of the encrypted connection and of
    // the authentication plugins.
    CR_SSL_CONNECTION_ERROR = 2026,
    CR_AUTH_PLUGIN_CANNOT_LOAD = 2059,
    CR_AUTH_PLUGIN_ERR = 2061,
};

// Server error number used for an outgoing payload that is too large.
constexpr int ER_NET_PACKET_TOO_LARGE = 1153;

constexpr int kFirstClientError = CR_UNKNOWN_ERROR;
constexpr int kLastClientError = CR_NET_PACKET_TOO_LARGE;

// The format text of a catalogue code (printf style), or an empty text for a
// code outside the catalogue. The catalogue holds 2000 to 2020 and the few
// later codes named above.
const char* ClientErrorFormat(int code);

// The catalogue text of a code that takes no arguments.
std::string ClientErrorText(int code);

// The catalogue text of a code formatted with its printf-style arguments.
std::string FormatClientError(int code, ...);

// Texts of the library that are not in the catalogue.
constexpr const char* kFileNotFoundFormat = "File '%s' not found (Errcode: %d)";
constexpr const char* kFileReadErrorFormat = "Error reading file '%s' (Errcode: %d)";
constexpr const char* kFileRefusedFormat = "File '%s' not sent: local files are off";

// Longest error text kept; longer texts are cut.
constexpr size_t kMaxErrorText = 200;
// Longest server message taken from an error packet.
constexpr size_t kMaxServerMessage = 199;

} // namespace mysql
