#include "ProfileFile.h"

#include "common/Windows1251.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString trimBlanks(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.mid(first, last - first).toString();
}

bool parseSection(const QString& line, QString* name) {
    const QString trimmed = trimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return false;
    qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        close = trimmed.size();
    *name = trimBlanks(QStringView(trimmed).mid(1, close - 1));
    return true;
}

bool parseKey(const QString& line, QString* key, QString* rawValue) {
    const QString trimmed = trimBlanks(line);
    if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#') ||
        trimmed.startsWith(u'['))
        return false;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0)
        return false;
    *key = trimBlanks(QStringView(trimmed).left(equals));
    *rawValue = trimmed.mid(equals + 1);
    return true;
}

QString unquote(const QString& rawValue) {
    QString value = trimBlanks(rawValue);
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The text of valid UTF-8 bytes, or nothing.
std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path)) {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_hasByteOrderMark = true;
        bytes.remove(0, 3);
    }
    if (bytes.contains("\r\n"))
        m_newline = QStringLiteral("\r\n");
    m_endsWithNewline = bytes.isEmpty() || bytes.endsWith('\n');
    QString text;
    if (m_hasByteOrderMark) {
        text = QString::fromUtf8(bytes);
    } else if (std::optional<QString> utf8 = decodeUtf8(bytes)) {
        text = std::move(*utf8);
    } else {
        m_encoding = Encoding::Windows1251;
        text = fromWindows1251(bytes);
    }
    if (text.isEmpty())
        return;
    m_lines = text.split(u'\n');
    if (m_endsWithNewline)
        m_lines.removeLast();
    for (QString& line : m_lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
}

int ProfileFile::findSection(const QString& section) const {
    QString name;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (parseSection(m_lines[i], &name) && sameName(name, section))
            return i;
    }
    return -1;
}

int ProfileFile::sectionEnd(int sectionLine) const {
    QString name;
    int end = sectionLine + 1;
    while (end < m_lines.size() && !parseSection(m_lines[end], &name))
        ++end;
    return end;
}

int ProfileFile::findKey(int sectionLine, const QString& key) const {
    QString name;
    QString rawValue;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        if (parseKey(m_lines[i], &name, &rawValue) && sameName(name, key))
            return i;
    }
    return -1;
}

bool ProfileFile::hasKey(const QString& section, const QString& key) const {
    const int sectionLine = findSection(section);
    return sectionLine >= 0 && findKey(sectionLine, key) >= 0;
}

QStringList ProfileFile::sections() const {
    QStringList names;
    QString name;
    for (const QString& line : m_lines) {
        if (parseSection(line, &name))
            names << name;
    }
    return names;
}

void ProfileFile::removeSection(const QString& section) {
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return;
    m_lines.remove(sectionLine, sectionEnd(sectionLine) - sectionLine);
    m_dirty = true;
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return defaultValue;
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return defaultValue;
    QString name;
    QString rawValue;
    parseKey(m_lines[keyLine], &name, &rawValue);
    return unquote(rawValue);
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value) {
    const int sectionLine = findSection(section);
    if (sectionLine < 0) {
        m_lines << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + value;
        m_dirty = true;
        return;
    }
    const int keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        QString name;
        QString rawValue;
        parseKey(m_lines[keyLine], &name, &rawValue);
        if (unquote(rawValue) == value)
            return;
        m_lines[keyLine] = name + QLatin1Char('=') + value;
        m_dirty = true;
        return;
    }
    // A new key goes right after the last non-blank line of its section.
    int insertAt = sectionEnd(sectionLine);
    while (insertAt > sectionLine + 1 && trimBlanks(m_lines[insertAt - 1]).isEmpty())
        --insertAt;
    m_lines.insert(insertAt, key + QLatin1Char('=') + value);
    m_dirty = true;
}

bool ProfileFile::flush() {
    constexpr QFileDevice::Permissions kOwnerOnly =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!m_dirty) {
        constexpr QFileDevice::Permissions kOthers =
                QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        if (!m_ownerOnly || !m_exists || !(QFile::permissions(m_path) & kOthers))
            return true;
        return QFile::setPermissions(m_path, kOwnerOnly);
    }
    QString text = m_lines.join(m_newline);
    if (m_endsWithNewline || !m_exists)
        text += m_newline;
    if (m_encoding == Encoding::Windows1251 && !fitsWindows1251(text))
        m_encoding = Encoding::Utf8;
    QByteArray bytes = m_encoding == Encoding::Windows1251 ? toWindows1251(text) : text.toUtf8();
    if (m_hasByteOrderMark)
        bytes.prepend("\xEF\xBB\xBF");

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!m_exists || m_ownerOnly) {
        // The file holds the server password: keep it to its owner.
        file.setPermissions(kOwnerOnly);
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    m_exists = true;
    m_endsWithNewline = true;
    m_dirty = false;
    return true;
}
