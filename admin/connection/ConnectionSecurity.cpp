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

mysql::TTlsMode modeFromKeyword(const QString& keyword) {
    for (const ModeText& text : kTexts) {
        if (keyword.compare(QLatin1String(text.keyword), Qt::CaseInsensitive) == 0)
            return text.mode;
    }
    return kDefaultMode;
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
    case mysql::TTlsFailure::Certificate:
        return QStringLiteral("Сертификат сервера не прошёл проверку (%1).").arg(reason);
    case mysql::TTlsFailure::HostName:
        return QStringLiteral("Сертификат сервера выдан не для \"%1\" (%2).").arg(host, reason);
    case mysql::TTlsFailure::Handshake:
        return QStringLiteral("Не удалось установить зашифрованное соединение (%1).").arg(reason);
    }
    return {};
}

} // namespace security
