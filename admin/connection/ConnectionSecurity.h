#pragma once

#include "uMysqlTls.h"

#include <QString>
#include <QStringList>

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
// The mode a word of the settings file stands for, in any letter case;
// the default mode for any other text.
mysql::TTlsMode modeFromKeyword(const QString& keyword);
// The captions of the choice box, in the order of kModes.
QStringList modeCaptions();
int modeIndex(mysql::TTlsMode mode);

// After a successful connect: whether the session is encrypted, with the
// protocol version and the cipher.
QString encryptionLogLine(bool encrypted, const QString& version, const QString& cipher);
// After a failed connect whose failure was the encryption's: why, in words
// (reason: the session's error text; host: the host connected to). Empty
// for TTlsFailure::None.
QString failureLogLine(mysql::TTlsFailure failure, const QString& reason, const QString& host,
                       const QString& caFile);

} // namespace security
