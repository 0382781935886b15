#include "journal/ChangeJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all bytes; false with errno set when the system refuses.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

void ChangeJournal::log(const QString& line) const {
    if (m_log)
        m_log(line);
}

QString ChangeJournal::path(const QString& fileName) const {
    return QDir(m_folder).filePath(fileName);
}

bool ChangeJournal::makeFolder(QString* error) {
    if (QFileInfo(m_folder).isDir())
        return true;
    const bool made = m_makeFolder ? m_makeFolder(m_folder) : QDir().mkpath(m_folder);
    if (made && QFileInfo(m_folder).isDir())
        return true;
    *error = m_folder + QStringLiteral(": не удалось создать папку");
    return false;
}

void ChangeJournal::append(const journal::Entry& entry) {
    if (!active())
        return;
    QString error;
    const QString file = path(journal::fileName(entry.time.date()));
    bool written = false;
    if (makeFolder(&error)) {
        const QByteArray name = QFile::encodeName(file);
        // A new file starts with the names of the fields.
        int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        QByteArray bytes = journal::entryLine(entry).toUtf8();
        if (fd >= 0)
            bytes.prepend(journal::headerLine().toUtf8());
        else if (errno == EEXIST)
            fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
        if (fd >= 0) {
            written = writeAll(fd, bytes);
            const int writeError = errno;
            written = (::close(fd) == 0) && written;
            if (!written)
                error = file + QStringLiteral(": ") + systemError(writeError);
        } else {
            error = file + QStringLiteral(": ") + systemError(errno);
        }
    }
    if (written) {
        m_failing = false;
        return;
    }
    if (!m_failing)
        log(QStringLiteral("Журнал изменений не записан (%1), работа продолжается без него.")
                    .arg(error));
    m_failing = true;
}

QString ChangeJournal::saveFile(const QString& baseName, const QString& extension,
                                const QByteArrayList& pieces, QString* error) {
    if (!makeFolder(error))
        return {};
    for (int turn = 1;; ++turn) {
        const QString fileName = baseName +
                                 (turn > 1 ? QStringLiteral("-%1").arg(turn) : QString()) +
                                 QLatin1Char('.') + extension;
        const QString file = path(fileName);
        const QByteArray name = QFile::encodeName(file);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST && turn < 1000)
                continue;
            *error = file + QStringLiteral(": ") + systemError(errno);
            return {};
        }
        bool ok = std::all_of(pieces.begin(), pieces.end(),
                              [fd](const QByteArray& piece) { return writeAll(fd, piece); }) &&
                  ::fsync(fd) == 0;
        const int writeError = errno;
        ok = (::close(fd) == 0) && ok;
        if (!ok) {
            *error = file + QStringLiteral(": ") + systemError(writeError);
            ::unlink(name.constData());
            return {};
        }
        return fileName;
    }
}
