#include "TableSnapshot.h"

#include <QStringDecoder>

#include <tuple>

namespace {

QString literal(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

bool isNumber(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

QString shownValue(const TableSnapshot::Value& value) {
    if (!value)
        return QStringLiteral("NULL");
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(*value);
    if (decoder.hasError())
        return QStringLiteral("X'") + QString::fromLatin1(value->toHex().toUpper()) +
               QLatin1Char('\'');
    QString shown;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\n':
            shown += QLatin1String("\\n");
            break;
        case u'\r':
            shown += QLatin1String("\\r");
            break;
        case u'\t':
            shown += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 32)
                shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                shown += c;
        }
    }
    return literal(shown);
}

bool TableSnapshot::KeyOrder::operator()(const QString& a, const QString& b) const {
    const QStringList left = a.split(QLatin1Char(','));
    const QStringList right = b.split(QLatin1Char(','));
    for (qsizetype i = 0; i < std::min(left.size(), right.size()); ++i) {
        if (left[i] == right[i])
            continue;
        // Numbers first, shorter numbers first, then by text: a strict order
        // even where numbers and other texts meet in one key part.
        const auto rank = [](const QString& part) {
            return std::make_tuple(!isNumber(part), isNumber(part) ? part.size() : 0, part);
        };
        return rank(left[i]) < rank(right[i]);
    }
    return left.size() < right.size();
}

TableSnapshot TableSnapshot::take(DatabaseProbe& probe, const QString& qualifiedTable) {
    TableSnapshot snapshot;
    snapshot.m_name = qualifiedTable;
    const QString database = qualifiedTable.section(QLatin1Char('.'), 0, 0);
    const QString table = qualifiedTable.section(QLatin1Char('.'), 1);
    const QString where =
            QStringLiteral(" where TABLE_SCHEMA = '%1' and TABLE_NAME = '%2'").arg(database, table);
    snapshot.m_columns =
            probe.rows(QStringLiteral("select COLUMN_NAME from information_schema.COLUMNS") +
                       where + QStringLiteral(" order by ORDINAL_POSITION"));
    if (snapshot.m_columns.isEmpty()) {
        snapshot.m_error = qualifiedTable + QStringLiteral(": no such table");
        return snapshot;
    }
    snapshot.m_keyColumns = probe.rows(
            QStringLiteral("select COLUMN_NAME from information_schema.KEY_COLUMN_USAGE") + where +
            QStringLiteral(" and CONSTRAINT_NAME = 'PRIMARY' order by ORDINAL_POSITION"));
    QList<int> keyIndexes;
    for (const QString& key : snapshot.m_keyColumns)
        keyIndexes << int(snapshot.m_columns.indexOf(key));
    if (keyIndexes.isEmpty()) {
        for (int i = 0; i < snapshot.m_columns.size(); ++i)
            keyIndexes << i;
    }

    QList<Row> rows;
    if (!probe.rawRows(QStringLiteral("select * from `%1`.`%2`").arg(database, table), rows)) {
        snapshot.m_error = qualifiedTable + QStringLiteral(": ") + probe.lastError();
        return snapshot;
    }
    for (const Row& row : rows) {
        QStringList parts;
        for (int index : keyIndexes)
            parts << (row.value(index) ? QString::fromUtf8(*row.value(index))
                                       : QStringLiteral("NULL"));
        QString key = parts.join(QLatin1Char(','));
        // Equal rows of a table without a primary key are told apart by their
        // turn.
        for (int turn = 2; snapshot.m_rows.count(key) > 0; ++turn)
            key = parts.join(QLatin1Char(',')) + QStringLiteral(",#%1").arg(turn);
        snapshot.m_rows.emplace(key, row);
    }
    return snapshot;
}

std::optional<TableSnapshot::Row> TableSnapshot::row(const QString& key) const {
    const auto it = m_rows.find(key);
    if (it == m_rows.end())
        return std::nullopt;
    return it->second;
}

QString TableSnapshot::describe(const Row& row) const {
    QStringList values;
    for (int i = 0; i < m_columns.size(); ++i)
        values << m_columns[i] + QLatin1Char('=') + shownValue(row.value(i));
    return values.join(QStringLiteral(", "));
}

QStringList TableSnapshot::changesTo(const TableSnapshot& after) const {
    const QString table = m_name.section(QLatin1Char('.'), 1);
    const auto label = [&table](const QString& key) {
        return table + QLatin1Char('[') + key + QLatin1Char(']');
    };
    QStringList changes;
    if (after.m_columns != m_columns) {
        changes << table + QStringLiteral(" columns: ") + m_columns.join(QLatin1Char(',')) +
                           QStringLiteral(" -> ") + after.m_columns.join(QLatin1Char(','));
        return changes;
    }
    auto old = m_rows.begin();
    auto now = after.m_rows.begin();
    const KeyOrder less;
    while (old != m_rows.end() || now != after.m_rows.end()) {
        if (now == after.m_rows.end() || (old != m_rows.end() && less(old->first, now->first))) {
            changes << label(old->first) + QStringLiteral(" removed: ") + describe(old->second);
            ++old;
        } else if (old == m_rows.end() || less(now->first, old->first)) {
            changes << label(now->first) + QStringLiteral(" added: ") + describe(now->second);
            ++now;
        } else {
            for (int i = 0; i < m_columns.size(); ++i) {
                if (old->second.value(i) != now->second.value(i))
                    changes << label(old->first) + QLatin1Char('.') + m_columns[i] +
                                       QStringLiteral(": ") + shownValue(old->second.value(i)) +
                                       QStringLiteral(" -> ") + shownValue(now->second.value(i));
            }
            ++old;
            ++now;
        }
    }
    return changes;
}

TablesSnapshot TablesSnapshot::take(DatabaseProbe& probe, const QStringList& qualifiedTables) {
    TablesSnapshot snapshot;
    for (const QString& table : qualifiedTables)
        snapshot.m_tables << TableSnapshot::take(probe, table);
    return snapshot;
}

QString TablesSnapshot::error() const {
    for (const TableSnapshot& table : m_tables) {
        if (!table.ok())
            return table.error();
    }
    return {};
}

QStringList TablesSnapshot::changesTo(const TablesSnapshot& after) const {
    QStringList changes;
    for (int i = 0; i < m_tables.size() && i < after.m_tables.size(); ++i)
        changes << m_tables[i].changesTo(after.m_tables[i]);
    return changes;
}
