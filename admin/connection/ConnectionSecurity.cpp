#include "connection/ConnectionSecurity.h"

namespace security {

namespace {

struct ModeText {
    mysql::TTlsMode mode;
    const char* keyword;
    const char16_t* caption;
};

constexpr ModeText kTexts[] = {
        {mysql::TTlsMode::Off, "off", u"Не шифровать"},
        {mysql::TTlsMode::Preferred, "preferred", u"Шифровать, если сервер может"},
        {mysql::TTlsMode::Required, "required", u"Только шифрованное"},
        {mysql::TTlsMode::VerifyCa, "verify-ca", u"Проверять сертификат по CA"},
        {mysql::TTlsMode::VerifyIdentity, "verify-identity", u"Проверять сертификат и имя"},
};

static_assert(std::size(kTexts) == std::size(kModes));

} // namespace

QString modeKeyword(mysql::TTlsMode mode) {
    for (const ModeText& text : kTexts) {
        if (text.mode == mode)
            return QLatin1String(text.keyword);
    }
    return modeKeyword(kDefaultMode);
}

std::optional<mysql::TTlsMode> parseMode(const QString& keyword) {
    QString word = keyword.trimmed().toLower();
    word.replace(u'_', u'-');
    if (word == QLatin1String("disabled"))
        return mysql::TTlsMode::Off;
    for (const ModeText& text : kTexts) {
        if (word == QLatin1String(text.keyword))
            return text.mode;
    }
    return std::nullopt;
}

ConnectionOptions connectionOptions(const ConnectionSettings& settings) {
    ConnectionOptions options;
    const std::optional<mysql::TTlsMode> mode = parseMode(settings.mode);
    if (!mode) {
        options.refusal =
                QStringLiteral("Неизвестный режим шифрования \"%1\" ([TLS] Mode): подключение не "
                               "выполнено. Допустимые значения: off, preferred, required, "
                               "verify-ca, verify-identity.")
                        .arg(settings.mode);
        return options;
    }
    options.tls.Mode = *mode;
    options.tls.CaFile = settings.caFile.toStdString();
    options.auth.ServerPublicKeyFile = settings.serverPublicKey.toStdString();
    options.auth.AllowServerPublicKey = settings.allowServerPublicKey;
    options.auth.AllowOldPasswords = settings.oldPasswords;
    if (!settings.caFile.isEmpty() &&
        (*mode == mysql::TTlsMode::Preferred || *mode == mysql::TTlsMode::Required))
        options.notes << QStringLiteral("Файл CA \"%1\" не используется: в режиме %2 сертификат "
                                        "сервера не проверяется.")
                                 .arg(settings.caFile, modeKeyword(*mode));
    return options;
}

QStringList modeCaptions() {
    QStringList captions;
    for (mysql::TTlsMode mode : kModes)
        captions << QString::fromUtf16(kTexts[modeIndex(mode)].caption);
    return captions;
}

int modeIndex(mysql::TTlsMode mode) {
    for (int i = 0; i < int(std::size(kModes)); ++i) {
        if (kModes[i] == mode)
            return i;
    }
    return 0;
}

QString encryptionLogLine(bool encrypted, const QString& version, const QString& cipher) {
    if (!encrypted)
        return QStringLiteral("Соединение не зашифровано.");
    return QStringLiteral("Соединение зашифровано: %1, %2.").arg(version, cipher);
}

QString failureLogLine(mysql::TTlsFailure failure, const QString& reason, const QString& host,
                       const QString& caFile) {
    switch (failure) {
    case mysql::TTlsFailure::None:
        break;
    case mysql::TTlsFailure::NotOffered:
        return QStringLiteral(
                "Сервер не поддерживает шифрование соединения, а выбранный режим его требует.");
    case mysql::TTlsFailure::CaFile:
        return QStringLiteral("Не удалось прочитать файл сертификатов CA \"%1\".").arg(caFile);
    case mysql::TTlsFailure::NoCaFile:
        return QStringLiteral("Режим verify-ca требует файла сертификатов CA ([TLS] CAFile), а он "
                              "не задан: без него подошёл бы любой публичный сертификат для "
                              "любого имени.");
    case mysql::TTlsFailure::OldProtocol:
        return QStringLiteral("Сервер поддерживает только устаревшие версии TLS (1.0 или 1.1), а "
                              "программа требует TLS 1.2 или новее (%1). Подключиться без "
                              "шифрования можно с режимом [TLS] Mode=off.")
                .arg(reason);
    case mysql::TTlsFailure::Certificate:
        return QStringLiteral("Сертификат сервера не прошёл проверку (%1).").arg(reason);
    case mysql::TTlsFailure::HostName:
        return QStringLiteral("Сертификат сервера выдан не для \"%1\" (%2).").arg(host, reason);
    case mysql::TTlsFailure::Handshake:
        return QStringLiteral("Не удалось установить зашифрованное соединение (%1).").arg(reason);
    }
    return {};
}

QString refusalLogLine(mysql::TAuthRefusal refusal, const QString& reason) {
    switch (refusal) {
    case mysql::TAuthRefusal::None:
        break;
    case mysql::TAuthRefusal::OldScramble:
        return QStringLiteral("Сервер запросил пароль в формате до MySQL 4.1: он не защищён и "
                              "легко подбирается, поэтому не отправлен. Разрешить его можно "
                              "параметром [Login] OldPasswords=On.");
    case mysql::TAuthRefusal::ServerKey:
        return QStringLiteral("Пароль не отправлен (%1). Укажите открытый ключ сервера ([TLS] "
                              "ServerPublicKey) или разрешите брать его у сервера ([TLS] "
                              "AllowServerPublicKey=On), либо подключайтесь с TLS.")
                .arg(reason);
    }
    return {};
}

} // namespace security
