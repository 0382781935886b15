#include "BroadcastStatements.h"

#include "QueryConventions.h"

namespace broadcastsql {

QString listSelect() {
    return QStringLiteral("select `id`,`text`,`next` from `autobroadcast` order by `id`;");
}

QString insert(const QString& text, Quoting quoting) {
    return QStringLiteral("insert into `autobroadcast` (`text`,`next`) values (\"") +
           escapeQuoted(trimControls(text), quoting) + QStringLiteral("\", 1);");
}

QString update(const QString& text, const QString& next, const QString& id, Quoting quoting) {
    return QStringLiteral("update `autobroadcast` set `text` = \"") +
           escapeBroadcastText(text, quoting) + QStringLiteral("\", `next`=") + bareNumber(next) +
           QStringLiteral(" where `id`=") + bareNumber(id) + QLatin1Char(';');
}

QString remove(const QString& id) {
    return QStringLiteral("delete from `autobroadcast` where `id`=") + bareNumber(id) +
           QLatin1Char(';');
}

QString escapeBroadcastText(const QString& text, Quoting quoting) {
    // The text the server is to store: a carriage return stands for the line
    // break, a line feed is dropped.
    QString value;
    value.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\r')
            value += QLatin1Char('\n');
        else if (c != u'\n')
            value += c;
    }
    // Blanks and control characters at both ends go, except those that
    // backslash escaping writes out as a sequence of visible characters.
    const auto trimmed = [](QChar c) {
        return c.unicode() <= 32 && c.unicode() != 0 && c != u'\n' && c.unicode() != 0x1A;
    };
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && trimmed(value[first]))
        ++first;
    while (last > first && trimmed(value[last - 1]))
        --last;
    return escapeQuoted(value.mid(first, last - first), quoting);
}

} // namespace broadcastsql
