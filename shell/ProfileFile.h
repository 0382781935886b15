#pragma once

#include <QString>
#include <QStringList>

// A profile (INI) file kept in memory and written back only when a value
// really changed. Section and key names are compared without regard to case;
// values read lose the blanks around them and one pair of surrounding quotes.
// Writing replaces a value in place and keeps every other line of the file
// (foreign sections, keys, comments and blank lines) as it was.
//
// A file is read as UTF-8 when it is valid UTF-8 (or starts with its byte
// order mark), otherwise as Windows-1251, the encoding earlier versions wrote
// on Windows; it is written back in the encoding it was read in. A new file
// is UTF-8, and so is a Windows-1251 file that has to take a character
// without a Windows-1251 form.
class ProfileFile {
public:
    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }
    bool exists() const { return m_exists; }
    enum class Encoding { Utf8, Windows1251 };
    Encoding encoding() const { return m_encoding; }

    // The value of section/key, or defaultValue when the key is missing.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;

    // Sets section/key in memory: an existing key is replaced in place, a new
    // key goes to the end of its section, a new section to the end of the file.
    void writeString(const QString& section, const QString& key, const QString& value);
    // Whether the file has the key in the section, whatever its value.
    bool hasKey(const QString& section, const QString& key) const;
    // The names of the file's sections, in the file's order.
    QStringList sections() const;
    // Takes the section out with its keys, down to the next section.
    void removeSection(const QString& section);

    // A file that holds secrets: every write leaves it readable and writable
    // by its owner only, whatever its mode was before.
    void setOwnerOnly(bool ownerOnly) { m_ownerOnly = ownerOnly; }

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
    Encoding m_encoding = Encoding::Utf8;
    bool m_hasByteOrderMark = false;
    bool m_endsWithNewline = true;
    bool m_dirty = false;
    bool m_ownerOnly = false;
};
