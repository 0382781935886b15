#include "BroadcastStatements.h"

#include "QueryConventions.h"

namespace broadcastsql {

QString listSelect() {
    return QStringLiteral("select `id`,`text`,`next` from `autobroadcast` order by `id`;");
}

QString insert(const QString& text) {
    return QStringLiteral("insert into `autobroadcast` (`text`,`next`) values (\"") +
           escapeQuoted(trimControls(text)) + QStringLiteral("\", 1);");
}

QString update(const QString& text, const QString& next, const QString& id) {
    return QStringLiteral("update `autobroadcast` set `text` = \"") + escapeBroadcastText(text) +
           QStringLiteral("\", `next`=") + next + QStringLiteral(" where `id`=") + id +
           QLatin1Char(';');
}

QString remove(const QString& id) {
    return QStringLiteral("delete from `autobroadcast` where `id`=") + id + QLatin1Char(';');
}

QString escapeBroadcastText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    qsizetype plainStart = 0;
    const auto flushPlain = [&](qsizetype end) {
        escaped += escapeQuoted(text.mid(plainStart, end - plainStart));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        flushPlain(i);
        if (c == u'\r')
            escaped += QLatin1String("\\n");
        plainStart = i + 1;
    }
    flushPlain(text.size());
    return trimControls(escaped);
}

} // namespace broadcastsql
