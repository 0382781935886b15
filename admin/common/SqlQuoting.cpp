#include "common/SqlQuoting.h"

#include <limits>

QString escapeQuoted(const QString& text, Quoting quoting) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    if (quoting.noBackslashEscapes) {
        for (QChar c : text) {
            if (c == u'"')
                escaped += c;
            escaped += c;
        }
        return escaped;
    }
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'"':
            escaped += QLatin1String("\\\"");
            break;
        case u'\'':
            escaped += QLatin1String("\\'");
            break;
        case 0:
            escaped += QLatin1String("\\0");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        case 0x1A:
            escaped += QLatin1String("\\Z");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString quotedText(const QString& text, Quoting quoting) {
    return QLatin1Char('"') + escapeQuoted(text, quoting) + QLatin1Char('"');
}

QString escapeLikeQuoted(const QString& text, Quoting quoting) {
    QString pattern = text;
    pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return escapeQuoted(pattern, quoting);
}

QString likeAnywhere(const QString& text, Quoting quoting) {
    QString pattern =
            QStringLiteral("\"%") + escapeLikeQuoted(text, quoting) + QStringLiteral("%\"");
    if (quoting.noBackslashEscapes)
        pattern += QStringLiteral(" escape \"\\\"");
    return pattern;
}

QString quotedName(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + quoted + QLatin1Char('`');
}

QString qualifierName(const QString& name) {
    const auto plain = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'_' || c == u'$';
    };
    bool isPlain = !name.isEmpty() && !(name[0] >= u'0' && name[0] <= u'9');
    for (QChar c : name)
        isPlain = isPlain && plain(c);
    return isPlain ? name : quotedName(name);
}

QString bareNumber(const QString& text) {
    for (QChar c : text) {
        if ((c < u'0' || c > u'9') && c != u' ')
            return {};
    }
    return text;
}

QString firstDigit(const QString& text) {
    if (text.isEmpty() || text[0] < u'0' || text[0] > u'9')
        return {};
    return text.left(1);
}

QString sessionSetUpStatement() {
    // The mode is a comma-separated list; with a comma on both ends every
    // name can be taken out with its own commas around it.
    static const char* const kRemoved[] = {"ANSI_QUOTES", "NO_BACKSLASH_ESCAPES",
                                           // These combinations include ANSI_QUOTES.
                                           "ANSI", "DB2", "MAXDB", "MSSQL", "ORACLE", "POSTGRESQL"};
    QString list = QStringLiteral("CONCAT(',', @@SESSION.sql_mode, ',')");
    for (const char* name : kRemoved)
        list = QStringLiteral("REPLACE(%1, ',%2,', ',')").arg(list, QLatin1String(name));
    return QStringLiteral("SET SESSION sql_mode = TRIM(BOTH ',' FROM %1)").arg(list);
}

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(QStringLiteral("'%1' is not a valid integer value")
                                 .arg(text)
                                 .toUtf8()
                                 .toStdString()) {}

int toInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i >= text.size())
        throw ConversionError(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            throw ConversionError(text);
        value = value * 10 + (c.unicode() - u'0');
        if (value > (long long)std::numeric_limits<int>::max() + 1)
            throw ConversionError(text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw ConversionError(text);
    return int(value);
}
