#include "ServerLog.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

ServerLog::ServerLog(QString path)
    : m_path(std::move(path)) {
    mark();
}

void ServerLog::mark() {
    m_offset = QFileInfo(m_path).size();
}

QStringList ServerLog::commandsSinceMark() const {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(m_offset))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    // "[YYMMDD HH:MM:SS]\t  <id> <Command>\t<argument>"; a line that does not
    // start so continues the argument of the entry before it.
    static const QRegularExpression entry(
            QStringLiteral("^(?:\\d{6}\\s+\\d{1,2}:\\d{2}:\\d{2})?\\s+\\d+\\s([A-Za-z][A-Za-z "
                           "]*?)\\t(.*)$"));
    QStringList commands;
    for (const QString& line : text.split(u'\n')) {
        const QRegularExpressionMatch match = entry.match(line);
        if (match.hasMatch())
            commands << match.captured(1) + u'\t' + match.captured(2);
        else if (!commands.isEmpty())
            commands.last() += u'\n' + line;
    }
    // The text after the last line break belongs to the last entry.
    if (!commands.isEmpty() && commands.last().endsWith(u'\n'))
        commands.last().chop(1);
    return commands;
}

QStringList ServerLog::statementsSinceMark() const {
    QStringList statements;
    for (const QString& command : commandsSinceMark()) {
        if (command.startsWith(QLatin1String("Query\t")))
            statements << command.mid(6);
    }
    return statements;
}

QString ServerLog::asLogged(const QString& statement) {
    qsizetype end = statement.size();
    while (end > 0 && (statement[end - 1] == u';' || statement[end - 1].isSpace()))
        --end;
    return statement.left(end);
}

QStringList ServerLog::asLogged(const QStringList& statements) {
    QStringList logged;
    for (const QString& statement : statements)
        logged << asLogged(statement);
    return logged;
}
