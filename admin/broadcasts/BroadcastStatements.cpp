#include "broadcasts/BroadcastStatements.h"

#include "common/QueryConventions.h"

#include <QRegularExpression>

#include <algorithm>

namespace broadcastsql {

namespace {

QString table(const BroadcastSchema& b) {
    return schema::quoted(b.table);
}

QString column(const QString& name) {
    return schema::quoted(name);
}

// A weight as it is written: the number, or 1 (the servers' default pick
// weight) when the edit holds none.
QString weightValue(const QString& text) {
    const QString number = bareNumber(trimControls(text));
    return number.trimmed().isEmpty() ? QStringLiteral("1") : number;
}

} // namespace

const schema::Field& field(const BroadcastSchema& b, Column c) {
    switch (c) {
    case Column::Id:
        return b.id;
    case Column::Text:
        return b.text;
    case Column::Next:
        return b.next;
    case Column::Weight:
        return b.weight;
    case Column::Realm:
        break;
    }
    return b.realm;
}

QList<Column> columns(const BroadcastSchema& b) {
    QList<Column> present;
    for (Column c : {Column::Id, Column::Text, Column::Next, Column::Weight, Column::Realm}) {
        if (field(b, c).has())
            present << c;
    }
    return present;
}

QString signedNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+$"));
    const QString trimmed = text.trimmed();
    return number.match(trimmed).hasMatch() ? trimmed : QString();
}

QString listSelect(const BroadcastSchema& b) {
    QStringList items;
    for (Column c : columns(b)) {
        const schema::Field& f = field(b, c);
        items << f.selectItem(f.writable() ? f.write : QStringLiteral("text"));
    }
    QString order = b.id.read;
    if (b.realm.has())
        order += QLatin1Char(',') + b.realm.read;
    return QStringLiteral("select ") + items.join(QLatin1Char(',')) + QStringLiteral(" from ") +
           table(b) + QStringLiteral(" order by ") + order + QLatin1Char(';');
}

QString insert(const QString& text, Quoting quoting, const BroadcastSchema& b,
               const QString& weight, const QString& id) {
    QStringList names;
    QStringList values;
    if (!id.isEmpty()) {
        names << b.id.read;
        values << bareNumber(id);
    }
    if (b.realm.writable()) {
        names << b.realm.read;
        values << b.allRealms;
    }
    if (!b.textInStrings()) {
        names << b.text.read;
        values << QLatin1Char('"') + escapeQuoted(trimControls(text), quoting) + QLatin1Char('"');
    }
    if (b.next.writable()) {
        names << b.next.read;
        values << QStringLiteral("1");
    }
    if (b.weight.writable()) {
        names << b.weight.read;
        values << weightValue(weight);
    }
    return QStringLiteral("insert into ") + table(b) + QStringLiteral(" (") +
           names.join(QLatin1Char(',')) + QStringLiteral(") values (") +
           values.join(QStringLiteral(", ")) + QStringLiteral(");");
}

QString update(const QString& text, const QString& next, const QString& id, Quoting quoting,
               const BroadcastSchema& b, const QString& realm) {
    if (b.textInStrings())
        return updateString(id, text, quoting, b);
    QString assignments = b.text.read + QStringLiteral(" = \"") +
                          escapeBroadcastText(text, quoting) + QLatin1Char('"');
    if (b.next.writable()) {
        const QString nextValue =
                trimControls(next).isEmpty() ? QStringLiteral("NULL") : bareNumber(next);
        assignments += QStringLiteral(", ") + b.next.read + QLatin1Char('=') + nextValue;
    }
    if (b.weight.writable())
        assignments += QStringLiteral(", ") + b.weight.read + QLatin1Char('=') + weightValue(next);
    return QStringLiteral("update ") + table(b) + QStringLiteral(" set ") + assignments +
           QStringLiteral(" where ") + idCondition(id, b, realm) + QLatin1Char(';');
}

QString remove(const QString& id, const BroadcastSchema& b, const QString& realm) {
    // A table whose rows only their number tells apart (its text kept in the
    // string table) has no key: one row goes, should the number stand twice.
    const QString limit = b.textInStrings() ? QStringLiteral(" limit 1") : QString();
    return QStringLiteral("delete from ") + table(b) + QStringLiteral(" where ") +
           idCondition(id, b, realm) + limit + QLatin1Char(';');
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

QString newStringNumberSelect(const BroadcastSchema& b) {
    const QString key = column(b.stringKey);
    return QStringLiteral("select greatest(%1, coalesce((select max(%2) from %3), 0) + 1, "
                          "coalesce((select max(%4) from %5), 0) + 1)")
            .arg(QString::number(b.firstNewString), key, column(b.strings), b.id.read, table(b));
}

QString insertString(const QString& number, const QString& text, Quoting quoting,
                     const BroadcastSchema& b) {
    return QStringLiteral("insert into ") + column(b.strings) + QStringLiteral(" (") +
           column(b.stringKey) + QLatin1Char(',') + column(b.stringText) +
           QStringLiteral(") values (") + bareNumber(number) + QStringLiteral(", \"") +
           escapeQuoted(trimControls(text), quoting) + QStringLiteral("\");");
}

QString updateString(const QString& number, const QString& text, Quoting quoting,
                     const BroadcastSchema& b) {
    return QStringLiteral("update ") + column(b.strings) + QStringLiteral(" set ") +
           column(b.stringText) + QStringLiteral(" = \"") + escapeBroadcastText(text, quoting) +
           QStringLiteral("\" where ") + stringCondition(number, b) + QLatin1Char(';');
}

QString stringCondition(const QString& number, const BroadcastSchema& b) {
    return column(b.stringKey) + QLatin1Char('=') + bareNumber(number);
}

QString usedIdsSelect(const BroadcastSchema& b) {
    if (!b.translations.isEmpty())
        return QStringLiteral("select ") + b.id.read + QStringLiteral(" from ") + table(b) +
               QStringLiteral(" union select ") + b.id.read + QStringLiteral(" from ") +
               schema::quoted(b.translations) + QStringLiteral(" order by 1;");
    return QStringLiteral("select distinct ") + b.id.read + QStringLiteral(" from ") + table(b) +
           QStringLiteral(" order by ") + b.id.read + QLatin1Char(';');
}

int nextFreeId(const QList<int>& used, int limit) {
    const int highest = used.isEmpty() ? 0 : *std::max_element(used.begin(), used.end());
    if (highest < limit)
        return highest + 1;
    for (int id = 1; id <= limit; ++id) {
        if (!used.contains(id))
            return id;
    }
    return 0;
}

QString idCondition(const QString& id, const BroadcastSchema& b, const QString& realm) {
    QString condition = b.id.read + QLatin1Char('=') + bareNumber(id);
    if (b.realm.has())
        condition +=
                QStringLiteral(" and ") + b.realm.read + QLatin1Char('=') + signedNumber(realm);
    return condition;
}

undosql::Target updateUndo(const QString& id, const BroadcastSchema& b, const QString& realm) {
    if (b.textInStrings())
        return undosql::Target::updated(b.strings, stringCondition(id, b), {b.stringText});
    QStringList written = {b.text.write};
    for (const schema::Field* f : {&b.next, &b.weight}) {
        if (f->writable())
            written << f->write;
    }
    return undosql::Target::updated(b.table, idCondition(id, b, realm), written);
}

undosql::Target removeUndo(const QString& id, const BroadcastSchema& b, const QString& realm) {
    return undosql::Target::deleted(b.table, idCondition(id, b, realm));
}

QList<undosql::Target> insertUndo(const QString& id, const BroadcastSchema& b) {
    QList<undosql::Target> targets;
    if (b.textInStrings())
        targets << undosql::Target::rewritten(b.strings, b.stringKey, bareNumber(id));
    targets << undosql::Target::rewritten(b.table, b.id.write, bareNumber(id));
    return targets;
}

} // namespace broadcastsql
