#include "broadcasts/BroadcastExport.h"

#include "broadcasts/BroadcastStatements.h"
#include "common/SqlQuoting.h"
#include "common/Windows1251.h"

#include <QFile>

#include <stdexcept>

namespace broadcastexport {

namespace {
constexpr char kLineEnd[] = "\r\n";
constexpr char kUtf8Line[] = "/*!40101 SET NAMES utf8 */;";
// The string number a message of a string table takes while the script runs.
constexpr char kNumber[] = "@realmdesk_string";

QString quotedValue(const QString& text) {
    return QLatin1Char('\'') + escapeText(text) + QLatin1Char('\'');
}
} // namespace

QString defaultFileName(const QString& accountsDatabase) {
    return accountsDatabase + QStringLiteral(".autobroadcast.sql");
}

QStringList fileFilters() {
    return {QStringLiteral("SQL-File (*.sql)"), QStringLiteral("TXT-File (*.txt)"),
            QStringLiteral("*.* (*.*)")};
}

QString escapeText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == u'\\' || c == u'\'' || c == u'"')
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString insertLine(const QString& text) {
    return messageLines({text, {}, {}}, schema::mangos2010Broadcasts()).first();
}

QStringList messageLines(const Message& message, const schema::BroadcastSchema& b) {
    const QString table = quotedName(b.table);
    if (b.textInStrings()) {
        const QString number = QLatin1String(kNumber);
        return {QStringLiteral("set ") + number + QStringLiteral(" = (") +
                        broadcastsql::newStringNumberSelect(b) + QStringLiteral(");"),
                QStringLiteral("insert into ") + quotedName(b.strings) + QStringLiteral(" (") +
                        quotedName(b.stringKey) + QLatin1Char(',') + quotedName(b.stringText) +
                        QStringLiteral(") values (") + number + QStringLiteral(", ") +
                        quotedValue(message.text) + QStringLiteral(");"),
                QStringLiteral("insert into ") + table + QStringLiteral(" (") + b.id.read +
                        QStringLiteral(") values (") + number + QStringLiteral(");")};
    }
    QStringList names;
    QStringList values;
    if (b.realm.writable()) {
        names << b.realm.read;
        const QString realm = broadcastsql::signedNumber(message.realm);
        values << (realm.isEmpty() ? b.allRealms : realm);
    }
    names << b.text.read;
    values << quotedValue(message.text);
    if (b.weight.writable()) {
        names << b.weight.read;
        const QString weight = bareNumber(message.weight).trimmed();
        values << (weight.isEmpty() ? QStringLiteral("NULL") : weight);
    }
    return {QStringLiteral("insert into ") + table + QStringLiteral(" (") +
            names.join(QLatin1Char(',')) + QStringLiteral(") values (") +
            values.join(QStringLiteral(", ")) + QStringLiteral(");")};
}

QByteArray script(const QStringList& texts, bool utf8) {
    QList<Message> messages;
    for (const QString& text : texts)
        messages << Message{text, {}, {}};
    return script(messages, utf8, schema::mangos2010Broadcasts());
}

QByteArray script(const QList<Message>& messages, bool utf8, const schema::BroadcastSchema& b) {
    QByteArray bytes;
    if (utf8)
        bytes += QByteArray(kUtf8Line) + kLineEnd;
    for (const Message& message : messages) {
        for (const QString& line : messageLines(message, b))
            bytes += (utf8 ? line.toUtf8() : toWindows1251(line)) + kLineEnd;
    }
    return bytes;
}

void writeFile(const QString& path, const QByteArray& script) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                         .arg(path, file.errorString())
                                         .toStdString());
    if (file.write(script) != script.size() || !file.flush())
        throw std::runtime_error(QStringLiteral("Cannot write file \"%1\". %2")
                                         .arg(path, file.errorString())
                                         .toStdString());
}

} // namespace broadcastexport
