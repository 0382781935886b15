#include "broadcasts/BroadcastStatements.h"

#include "common/QueryConventions.h"

namespace broadcastsql {

QString listSelect() {
    return QStringLiteral("select `id`,`text`,`next` from `autobroadcast` order by `id`;");
}

QString insert(const QString& text, Quoting quoting) {
    return QStringLiteral("insert into `autobroadcast` (`text`,`next`) values (\"") +
           escapeQuoted(trimControls(text), quoting) + QStringLiteral("\", 1);");
}

QString update(const QString& text, const QString& next, const QString& id, Quoting quoting) {
    const QString nextValue =
            trimControls(next).isEmpty() ? QStringLiteral("NULL") : bareNumber(next);
    return QStringLiteral("update `autobroadcast` set `text` = \"") +
           escapeBroadcastText(text, quoting) + QStringLiteral("\", `next`=") + nextValue +
           QStringLiteral(" where ") + idCondition(id) + QLatin1Char(';');
}

QString remove(const QString& id) {
    return QStringLiteral("delete from `autobroadcast` where ") + idCondition(id) +
           QLatin1Char(';');
}

QString escapeBroadcastText(const QString& text, Quoting quoting) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Blanks and control characters around the text go; its line breaks stay,
    // the last one included, and so do NUL and Ctrl-Z, which the escaping
    // writes out as visible sequences.
    const auto trimmed = [](QChar c) {
        return c.unicode() <= 32 && c.unicode() != 0 && c != u'\n' && c.unicode() != 0x1A;
    };
    qsizetype first = 0;
    qsizetype last = lines.size();
    while (first < last && trimmed(lines[first]))
        ++first;
    while (last > first && trimmed(lines[last - 1]))
        --last;
    return escapeQuoted(lines.mid(first, last - first), quoting);
}

QString idCondition(const QString& id) {
    return QStringLiteral("`id`=") + bareNumber(id);
}

undosql::Target updateUndo(const QString& id) {
    return undosql::Target::updated(QStringLiteral("autobroadcast"), idCondition(id),
                                    {QStringLiteral("text"), QStringLiteral("next")});
}

undosql::Target removeUndo(const QString& id) {
    return undosql::Target::deleted(QStringLiteral("autobroadcast"), idCondition(id));
}

} // namespace broadcastsql
