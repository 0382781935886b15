#include "uMysqlErrors.h"

#include <cstdarg>
#include <cstdio>

namespace mysql {

namespace {

const char* const kCatalogue[] = {
        "Unknown MySQL error",
        "Can't create UNIX socket (%d)",
        "Can't connect to local MySQL server through socket '%-.64s' (%d)",
        "Can't connect to MySQL server on '%-.64s' (%d)",
        "Can't create TCP/IP socket (%d)",
        "Unknown MySQL Server Host '%-.64s' (%d)",
        "MySQL server has gone away",
        "Protocol mismatch. Server Version = %d Client Version = %d",
        "MySQL client run out of memory",
        "Wrong host info",
        "Localhost via UNIX socket",
        "%-.64s via TCP/IP",
        "Error in server handshake",
        "Lost connection to MySQL server during query",
        "Commands out of sync;  You can't run this command now",
        "%-.64s via named pipe",
        "Can't wait for named pipe to host: %-.64s  pipe: %-.32s (%lu)",
        "Can't open named pipe to host: %-.64s  pipe: %-.32s (%u)",
        "Can't set state of named pipe to host: %-.64s  pipe: %-.32s (%lu)",
        "Can't initialize character set %-.64s (path: %-.64s)",
        "Got packet bigger than 'max_allowed_packet'",
};

static_assert(sizeof(kCatalogue) / sizeof(kCatalogue[0]) ==
              kLastClientError - kFirstClientError + 1);

struct TLaterCode {
    int code;
    const char* format;
};

const TLaterCode kLaterCodes[] = {
        {CR_SSL_CONNECTION_ERROR, "SSL connection error: %-.250s"},
        {CR_AUTH_PLUGIN_CANNOT_LOAD, "Authentication plugin '%s' cannot be loaded"},
        {CR_AUTH_PLUGIN_ERR, "Authentication plugin '%-.64s' reported error: %-.250s"},
};

} // namespace

const char* ClientErrorFormat(int code) {
    if (code >= kFirstClientError && code <= kLastClientError)
        return kCatalogue[code - kFirstClientError];
    for (const TLaterCode& later : kLaterCodes) {
        if (later.code == code)
            return later.format;
    }
    return "";
}

std::string ClientErrorText(int code) {
    return ClientErrorFormat(code);
}

std::string FormatClientError(int code, ...) {
    char text[512];
    va_list args;
    va_start(args, code);
    std::vsnprintf(text, sizeof text, ClientErrorFormat(code), args);
    va_end(args);
    return text;
}

} // namespace mysql
