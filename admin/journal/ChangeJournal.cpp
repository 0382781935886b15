#include "journal/ChangeJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

namespace {

// Opens the day's journal that is already there for appending: only a
// regular file of this user that only this user can read and write. Returns
// the descriptor, or -1 with the reason.
int openExistingJournal(const QByteArray& name, QString* reason) {
    const QString refused =
            QStringLiteral("не обычный файл этого пользователя с правами 0600, запись отклонена");
    // Neither a link is followed nor does a pipe without a reader block.
    const int fd =
            ::open(name.constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        *reason = (error == ELOOP || error == ENXIO || error == EISDIR) ? refused
                                                                        : systemError(error);
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid() ||
        (status.st_mode & 07777) != 0600) {
        ::close(fd);
        *reason = refused;
        return -1;
    }
    return fd;
}

} // namespace

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
        QString reason;
        if (fd >= 0)
            bytes.prepend(journal::headerLine().toUtf8());
        else if (errno == EEXIST)
            fd = openExistingJournal(name, &reason);
        else
            reason = systemError(errno);
        if (fd >= 0) {
            written = writeAll(fd, bytes);
            const int writeError = errno;
            written = (::close(fd) == 0) && written;
            if (!written)
                reason = systemError(writeError);
        }
        if (!written)
            error = file + QStringLiteral(": ") + reason;
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

QString ChangeJournal::writeTemporary(const QByteArrayList& pieces, QString* error) {
    QByteArray name = QFile::encodeName(path(QStringLiteral(".partial-XXXXXX")));
    // mkostemp makes the file for its owner only.
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = m_folder + QStringLiteral(": ") + systemError(errno);
        return {};
    }
    bool ok = std::all_of(pieces.begin(), pieces.end(),
                          [fd](const QByteArray& piece) { return writeAll(fd, piece); }) &&
              ::fsync(fd) == 0;
    const int writeError = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        *error = QFile::decodeName(name) + QStringLiteral(": ") + systemError(writeError);
        ::unlink(name.constData());
        return {};
    }
    return QFile::decodeName(name);
}

void ChangeJournal::syncFolder() const {
    const int fd =
            ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString ChangeJournal::saveFile(const QString& baseName, const QString& extension,
                                const std::function<QByteArrayList(const QString&)>& content,
                                QString* error) {
    if (!makeFolder(error))
        return {};
    for (int turn = 1; turn <= 1000; ++turn) {
        const QString fileName = baseName +
                                 (turn > 1 ? QStringLiteral("-%1").arg(turn) : QString()) +
                                 QLatin1Char('.') + extension;
        const QString file = path(fileName);
        if (QFileInfo(file).exists() || QFileInfo(file).isSymLink())
            continue;
        const QString temporary = writeTemporary(content(file), error);
        if (temporary.isEmpty())
            return {};
        const QByteArray from = QFile::encodeName(temporary);
        const QByteArray to = QFile::encodeName(file);
        // The file appears whole under its name, or not at all; a name taken
        // meanwhile is never overwritten.
        int linked = ::link(from.constData(), to.constData());
        if (linked != 0 && errno != EEXIST)
            linked = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(),
                                 RENAME_NOREPLACE);
        const int linkError = errno;
        ::unlink(from.constData());
        if (linked == 0) {
            syncFolder();
            return fileName;
        }
        if (linkError != EEXIST) {
            *error = file + QStringLiteral(": ") + systemError(linkError);
            return {};
        }
    }
    *error = path(baseName) + QStringLiteral(": все имена заняты");
    return {};
}

bool ChangeJournal::replaceFile(const QString& fileName, const QByteArrayList& pieces,
                                QString* error) {
    const QString temporary = writeTemporary(pieces, error);
    if (temporary.isEmpty())
        return false;
    const QByteArray from = QFile::encodeName(temporary);
    if (::rename(from.constData(), QFile::encodeName(path(fileName)).constData()) != 0) {
        *error = path(fileName) + QStringLiteral(": ") + systemError(errno);
        ::unlink(from.constData());
        return false;
    }
    syncFolder();
    return true;
}

bool ChangeJournal::removeFile(const QString& fileName) {
    return ::unlink(QFile::encodeName(path(fileName)).constData()) == 0;
}
