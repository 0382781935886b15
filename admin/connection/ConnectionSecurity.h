#pragma once

#include "uMysqlAuth.h"
#include "uMysqlLogin.h"
#include "uMysqlTls.h"

#include <QString>
#include <QStringList>

#include <optional>

// The encryption of the connection as the window shows it: the TLS modes
// with the words that stand for them in the settings file and the captions
// of their choice box, and the connection log's lines about encryption.
namespace security {

// The modes in the order of the choice box.
constexpr mysql::TTlsMode kModes[] = {
        mysql::TTlsMode::Off,      mysql::TTlsMode::Preferred,      mysql::TTlsMode::Required,
        mysql::TTlsMode::VerifyCa, mysql::TTlsMode::VerifyIdentity,
};
constexpr mysql::TTlsMode kDefaultMode = mysql::TTlsMode::Preferred;

// The word of a mode in the settings file ("off", "preferred", "required",
// "verify-ca", "verify-identity").
QString modeKeyword(mysql::TTlsMode mode);
// The mode a word of the settings file stands for: this program's words and
// the ones other MySQL clients use ("disabled", "VERIFY_IDENTITY", ...), in
// any letter case and with "_" or "-"; none for any other word.
std::optional<mysql::TTlsMode> parseMode(const QString& keyword);
// The captions of the choice box, in the order of kModes.
QStringList modeCaptions();
int modeIndex(mysql::TTlsMode mode);

// What the connection takes from the settings: the encryption and how far
// the login may go to answer the server.
struct ConnectionSettings {
    // The mode's word as the settings file has it.
    QString mode = QStringLiteral("preferred");
    QString caFile;
    // A PEM file with the server's public key ([TLS] ServerPublicKey).
    QString serverPublicKey;
    // The password may go to the key the server sends ([TLS]
    // AllowServerPublicKey).
    bool allowServerPublicKey = false;
    // A server of 4.1 or later may get the pre-4.1 scramble ([Login]
    // OldPasswords).
    bool oldPasswords = false;

    bool operator==(const ConnectionSettings&) const = default;
};

// The session's options made of the settings, with the connection log's
// lines about them; refusal is set (and the options are not to be used) when
// the settings name a mode that does not exist.
struct ConnectionOptions {
    mysql::TTlsOptions tls;
    mysql::TAuthOptions auth;
    QString refusal;
    QStringList notes;
};
ConnectionOptions connectionOptions(const ConnectionSettings& settings);

// After a successful connect: whether the session is encrypted, with the
// protocol version and the cipher.
QString encryptionLogLine(bool encrypted, const QString& version, const QString& cipher);
// After a failed connect whose failure was the encryption's: why, in words
// (reason: the session's error text; host: the host connected to). Empty
// for TTlsFailure::None.
QString failureLogLine(mysql::TTlsFailure failure, const QString& reason, const QString& host,
                       const QString& caFile);
// After a failed connect whose login would not answer the server: why, and
// which setting allows it. Empty for TAuthRefusal::None.
QString refusalLogLine(mysql::TAuthRefusal refusal, const QString& reason);

} // namespace security
