#pragma once

#include <QString>
#include <QStringList>

// The statements that the test server received, read from its general log.
class ServerLog {
public:
    explicit ServerLog(QString path);

    // Forget what the log holds so far.
    void mark();
    // The "Query" statements logged since the last mark, in order, each as the
    // server received it (multi-line statements joined with "\n").
    QStringList statementsSinceMark() const;
    // Every command logged since the mark as "Command\targument".
    QStringList commandsSinceMark() const;

    // A statement as the log shows it: the server drops trailing blanks and
    // semicolons before logging.
    static QString asLogged(const QString& statement);
    static QStringList asLogged(const QStringList& statements);

private:
    QString m_path;
    qint64 m_offset = 0;
};
