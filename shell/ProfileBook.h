#pragma once

#include "Settings.h"

#include <QList>
#include <QString>

// A saved connection: where to log in and as whom, how to encrypt, which
// database plays which role, and whether it is the live server.
struct ConnectionProfile {
    QString name;
    QString host = QStringLiteral("127.0.0.1");
    QString port = QStringLiteral("3306");
    QString user;
    QString tlsMode = security::modeKeyword(security::kDefaultMode);
    QString tlsCaFile;
    QString tlsServerPublicKey;
    bool tlsAllowServerPublicKey = false;
    QString realmdDatabase;
    QString mangosDatabase;
    QString charactersDatabase;
    QString scriptdev2Database;
    // [Schema] Family: "auto" or a family's word.
    QString schemaFamily = QStringLiteral("auto");
    // "Боевой сервер".
    bool live = false;
    // "Запомнить пароль в файле": the password is kept in Profiles.ini;
    // otherwise it is in the desktop's keyring, and password stays empty.
    bool passwordInFile = false;
    QString password;

    bool operator==(const ConnectionProfile&) const = default;
};

// The connection of the settings as a profile (without name and password),
// and the profile's connection put into the settings; the password is the
// file's, or empty for a profile whose password is in the keyring.
ConnectionProfile profileOf(const Settings& settings);
void applyProfile(const ConnectionProfile& profile, Settings& settings);

// The profiles file of a directory, Profiles.ini beside Settings.ini:
//
//   [Profiles]
//   Last=<name of the profile chosen last>
//   [Profile1]
//   Name=...
//   Host=... (Port, User, Password, PasswordInFile, Live, TLSMode,
//   TLSCAFile, TLSServerPublicKey, TLSAllowServerPublicKey, Realmd, Mangos,
//   Characters, Scriptdev2, SchemaFamily)
//
// Names are compared without regard to letter case. The file is written
// readable by its owner only; sections and comments of its own are kept.
class ProfileBook {
public:
    explicit ProfileBook(QString directory);

    static QString filePath(const QString& directory);
    const QString& path() const { return m_path; }

    // Reads the file. A missing file is an empty book. A file that is not a
    // profiles file (not UTF-8 text, a line that is neither a section, a key
    // nor a comment, a profile without a name or with another's name) is
    // renamed to Profiles.ini.broken-<date-time> and the book starts empty;
    // problem() says what was wrong and movedTo() where the file is now.
    // When it cannot be renamed, the book stays empty and will not write
    // over it (writable() is false).
    void load();
    const QString& problem() const { return m_problem; }
    const QString& movedTo() const { return m_movedTo; }
    bool writable() const { return m_writable; }

    const QList<ConnectionProfile>& profiles() const { return m_profiles; }
    const ConnectionProfile* find(const QString& name) const;
    const QString& last() const { return m_last; }
    void setLast(const QString& name) { m_last = name; }

    enum class NameCheck { Ok, Empty, Taken };
    // A new profile's name: not blank, and no profile has it yet.
    NameCheck checkNewName(const QString& name) const;
    // Adds a profile at the end (its name checked before).
    void add(const ConnectionProfile& profile);
    // Removes the named profile; false when there is none.
    bool remove(const QString& name);

    // Writes the file (creating it). False when it could not be written.
    bool save();

private:
    int indexOf(const QString& name) const;
    // Reads the bytes as profiles; an empty text on success, else what is
    // wrong with them.
    QString parse(const QByteArray& bytes);
    void moveAside();

    QString m_path;
    QList<ConnectionProfile> m_profiles;
    QString m_last;
    QString m_problem;
    QString m_movedTo;
    bool m_writable = true;
};
