#pragma once

#include <QString>
#include <QStringList>

// A profile (INI) file kept in memory and written back only when a value
// really changed. Section and key names are compared without regard to case;
// values read lose the blanks around them and one pair of surrounding quotes.
// Writing replaces a value in place and keeps every other line of the file
// (foreign sections, keys, comments and blank lines) as it was.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }
    bool exists() const { return m_exists; }

    // The value of section/key, or defaultValue when the key is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;

    // Sets section/key in memory: an existing key is replaced in place, a new
    // key goes to the end of its section, a new section to the end of the file.
    void writeString(const QString& section, const QString& key, const QString& value);

    // Writes the file when something changed. A file created here is readable
    // and writable by its owner only. Returns false when the file could not be
    // written.
    bool flush();

private:
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key) const;
    int sectionEnd(int sectionLine) const;

    QString m_path;
    QStringList m_lines;
    QString m_newline = QStringLiteral("\n");
    bool m_exists = false;
    bool m_hasByteOrderMark = false;
    bool m_endsWithNewline = true;
    bool m_dirty = false;
};
