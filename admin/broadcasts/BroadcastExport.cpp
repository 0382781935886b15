#include "broadcasts/BroadcastExport.h"

#include "common/Windows1251.h"

#include <QFile>

#include <stdexcept>

namespace broadcastexport {

namespace {
constexpr char kLineEnd[] = "\r\n";
constexpr char kUtf8Line[] = "/*!40101 SET NAMES utf8 */;";
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
    return QStringLiteral("insert into `autobroadcast` (`text`) values ('") + escapeText(text) +
           QStringLiteral("');");
}

QByteArray script(const QStringList& texts, bool utf8) {
    QByteArray bytes;
    if (utf8)
        bytes += QByteArray(kUtf8Line) + kLineEnd;
    for (const QString& text : texts) {
        const QString line = insertLine(text);
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
