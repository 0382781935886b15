#pragma once

#include "journal/JournalText.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <functional>

// The journal folder: the journal of every statement that can change data,
// one file per day, and the undo scripts of the operations beside it. Every
// file it makes is readable by its owner only.
class ChangeJournal {
public:
    // An empty folder keeps no journal and no undo scripts (a page built on
    // its own, without the main window).
    void setFolder(const QString& folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    bool active() const { return !m_folder.isEmpty(); }

    // Creates the folder (and its parents) when it does not exist yet; true
    // when it exists afterwards. By default QDir::mkpath.
    void setFolderMaker(std::function<bool(const QString&)> make) {
        m_makeFolder = std::move(make);
    }
    // Where the journal tells that it cannot be written: the connection log.
    void setLog(std::function<void(const QString&)> log) { m_log = std::move(log); }
    void log(const QString& line) const;

    // Whether operations save undo scripts (on unless switched off, which
    // only the benchmark does to compare).
    bool undoScripts() const { return active() && m_undoScripts; }
    void setUndoScripts(bool on) { m_undoScripts = on; }

    // Appends the entry to the journal file of its day. It never fails the
    // caller: a journal that cannot be written gives one line in the log
    // (again only after an entry went through), and the work goes on. A
    // journal file that is already there is written only when it is a
    // regular file of this user with mode 0600 (not a link, not a pipe).
    void append(const journal::Entry& entry);

    // Creates a new file "<baseName>.<extension>" in the folder ("-2", "-3"
    // ... before the extension when the name is taken) holding the pieces
    // that content gives for the file's path, one after another. They are
    // written to a temporary file of the folder and flushed to the disk
    // first, so that the file appears under its name whole or not at all.
    // Returns the file's name, or an empty text with the reason in error.
    QString saveFile(const QString& baseName, const QString& extension,
                     const std::function<QByteArrayList(const QString& path)>& content,
                     QString* error);
    // Puts the pieces in place of a file of the folder at once, written and
    // flushed as saveFile does; false with the reason in error.
    bool replaceFile(const QString& fileName, const QByteArrayList& pieces, QString* error);
    bool removeFile(const QString& fileName);

    // The path of a file of the folder.
    QString path(const QString& fileName) const;

private:
    bool makeFolder(QString* error);
    // A new temporary file of the folder holding the pieces, flushed to the
    // disk: its path, or an empty text with the reason in error.
    QString writeTemporary(const QByteArrayList& pieces, QString* error);
    // Flushes the folder's entries (a new or replaced name) to the disk.
    void syncFolder() const;

    QString m_folder;
    std::function<bool(const QString&)> m_makeFolder;
    std::function<void(const QString&)> m_log;
    bool m_undoScripts = true;
    bool m_failing = false;
};
