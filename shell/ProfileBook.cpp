#include "ProfileBook.h"

#include "ProfileFile.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace {

const QString kIndexSection = QStringLiteral("Profiles");
const QString kLastKey = QStringLiteral("Last");
const QString kNameKey = QStringLiteral("Name");

struct TextKey {
    const char* key;
    QString ConnectionProfile::*member;
};

const TextKey kTextKeys[] = {
        {"Host", &ConnectionProfile::host},
        {"Port", &ConnectionProfile::port},
        {"User", &ConnectionProfile::user},
        {"Password", &ConnectionProfile::password},
        {"TLSMode", &ConnectionProfile::tlsMode},
        {"TLSCAFile", &ConnectionProfile::tlsCaFile},
        {"TLSServerPublicKey", &ConnectionProfile::tlsServerPublicKey},
        {"Realmd", &ConnectionProfile::realmdDatabase},
        {"Mangos", &ConnectionProfile::mangosDatabase},
        {"Characters", &ConnectionProfile::charactersDatabase},
        {"Scriptdev2", &ConnectionProfile::scriptdev2Database},
        {"SchemaFamily", &ConnectionProfile::schemaFamily},
};

struct SwitchKey {
    const char* key;
    bool ConnectionProfile::*member;
};

const SwitchKey kSwitchKeys[] = {
        {"PasswordInFile", &ConnectionProfile::passwordInFile},
        {"Live", &ConnectionProfile::live},
        {"TLSAllowServerPublicKey", &ConnectionProfile::tlsAllowServerPublicKey},
};

bool isProfileSection(const QString& section) {
    static const QRegularExpression pattern(QStringLiteral("^Profile[0-9]+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(section).hasMatch();
}

// A value the file keeps as it is: one that starts or ends with a blank or a
// quote goes in double quotes, which reading takes off again.
QString fileValue(const QString& value) {
    if (value.isEmpty())
        return value;
    const auto keepsAsIs = [](QChar c) {
        return c != u' ' && c != u'\t' && c != u'"' && c != u'\'';
    };
    if (keepsAsIs(value.front()) && keepsAsIs(value.back()))
        return value;
    return u'"' + value + u'"';
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// What is wrong with the file's lines as INI text; empty when nothing is.
QString lineProblem(const QString& text, QStringList* sections) {
    const QStringList lines = text.split(u'\n');
    bool inSection = false;
    QSet<QString> seen;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const QString where = QStringLiteral("строка %1").arg(i + 1);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            if (!line.endsWith(u']') || name.isEmpty())
                return where + QStringLiteral(": неполное имя раздела");
            if (seen.contains(name.toLower()))
                return where + QStringLiteral(": раздел [%1] уже был").arg(name);
            seen.insert(name.toLower());
            *sections << name;
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || line.left(equals).trimmed().isEmpty())
            return where + QStringLiteral(": не раздел, не ключ и не комментарий");
        if (!inSection)
            return where + QStringLiteral(": ключ вне раздела");
    }
    return {};
}

} // namespace

ConnectionProfile profileOf(const Settings& settings) {
    ConnectionProfile profile;
    profile.host = settings.host;
    profile.port = settings.port;
    profile.user = settings.user;
    profile.tlsMode = settings.tlsMode;
    profile.tlsCaFile = settings.tlsCaFile;
    profile.tlsServerPublicKey = settings.tlsServerPublicKey;
    profile.tlsAllowServerPublicKey = settings.tlsAllowServerPublicKey;
    profile.realmdDatabase = settings.realmdDatabase;
    profile.mangosDatabase = settings.mangosDatabase;
    profile.charactersDatabase = settings.charactersDatabase;
    profile.scriptdev2Database = settings.scriptdev2Database;
    profile.schemaFamily = settings.schemaFamily;
    return profile;
}

void applyProfile(const ConnectionProfile& profile, Settings& settings) {
    settings.host = profile.host;
    settings.port = profile.port;
    settings.user = profile.user;
    settings.password = profile.passwordInFile ? profile.password : QString();
    settings.tlsMode = profile.tlsMode;
    settings.tlsCaFile = profile.tlsCaFile;
    settings.tlsServerPublicKey = profile.tlsServerPublicKey;
    settings.tlsAllowServerPublicKey = profile.tlsAllowServerPublicKey;
    settings.realmdDatabase = profile.realmdDatabase;
    settings.mangosDatabase = profile.mangosDatabase;
    settings.charactersDatabase = profile.charactersDatabase;
    settings.scriptdev2Database = profile.scriptdev2Database;
    settings.schemaFamily = profile.schemaFamily;
}

ProfileBook::ProfileBook(QString directory)
    : m_path(filePath(directory)) {}

QString ProfileBook::filePath(const QString& directory) {
    QString path = directory;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path + QStringLiteral("Profiles.ini");
}

void ProfileBook::load() {
    m_profiles.clear();
    m_last.clear();
    m_problem.clear();
    m_movedTo.clear();
    m_writable = true;
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_problem = QStringLiteral("файл не читается: ") + file.errorString();
        m_writable = false;
        return;
    }
    m_problem = parse(file.readAll());
    file.close();
    if (m_problem.isEmpty())
        return;
    m_profiles.clear();
    m_last.clear();
    moveAside();
}

QString ProfileBook::parse(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return QStringLiteral("в файле есть нулевые байты, это не текст");
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QStringLiteral("текст не в кодировке UTF-8");
    QStringList sections;
    const QString problem = lineProblem(text, &sections);
    if (!problem.isEmpty())
        return problem;

    const ProfileFile file(m_path);
    for (const QString& section : sections) {
        if (!isProfileSection(section))
            continue;
        ConnectionProfile profile;
        profile.name = file.readString(section, kNameKey);
        if (profile.name.trimmed().isEmpty())
            return QStringLiteral("у профиля [%1] нет имени").arg(section);
        if (find(profile.name))
            return QStringLiteral("два профиля с именем «%1»").arg(profile.name);
        for (const TextKey& entry : kTextKeys)
            profile.*entry.member =
                    file.readString(section, QLatin1String(entry.key), profile.*entry.member);
        for (const SwitchKey& entry : kSwitchKeys)
            profile.*entry.member = sameName(file.readString(section, QLatin1String(entry.key)),
                                             QStringLiteral("On"));
        if (!profile.passwordInFile)
            profile.password.clear();
        m_profiles << profile;
    }
    m_last = file.readString(kIndexSection, kLastKey);
    return {};
}

void ProfileBook::moveAside() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".broken-") + stamp;
    for (int n = 2; QFile::exists(target); ++n)
        target = m_path + QStringLiteral(".broken-%1-%2").arg(stamp).arg(n);
    if (QFile::rename(m_path, target))
        m_movedTo = target;
    else
        m_writable = false;
}

int ProfileBook::indexOf(const QString& name) const {
    for (int i = 0; i < m_profiles.size(); ++i) {
        if (sameName(m_profiles[i].name, name))
            return i;
    }
    return -1;
}

const ConnectionProfile* ProfileBook::find(const QString& name) const {
    const int index = indexOf(name);
    return index < 0 ? nullptr : &m_profiles[index];
}

ProfileBook::NameCheck ProfileBook::checkNewName(const QString& name) const {
    if (name.trimmed().isEmpty())
        return NameCheck::Empty;
    return indexOf(name.trimmed()) >= 0 ? NameCheck::Taken : NameCheck::Ok;
}

void ProfileBook::add(const ConnectionProfile& profile) {
    m_profiles << profile;
}

bool ProfileBook::remove(const QString& name) {
    const int index = indexOf(name);
    if (index < 0)
        return false;
    m_profiles.removeAt(index);
    if (sameName(m_last, name))
        m_last.clear();
    return true;
}

bool ProfileBook::save() {
    if (!m_writable)
        return false;
    ProfileFile file(m_path);
    file.setOwnerOnly(true);
    for (const QString& section : file.sections()) {
        if (isProfileSection(section))
            file.removeSection(section);
    }
    file.writeString(kIndexSection, kLastKey, fileValue(m_last));
    for (int i = 0; i < m_profiles.size(); ++i) {
        const ConnectionProfile& profile = m_profiles[i];
        const QString section = QStringLiteral("Profile%1").arg(i + 1);
        file.writeString(section, kNameKey, fileValue(profile.name));
        for (const TextKey& entry : kTextKeys) {
            if (entry.member == &ConnectionProfile::password && !profile.passwordInFile)
                continue;
            file.writeString(section, QLatin1String(entry.key), fileValue(profile.*entry.member));
        }
        for (const SwitchKey& entry : kSwitchKeys)
            file.writeString(section, QLatin1String(entry.key),
                             profile.*entry.member ? QStringLiteral("On") : QStringLiteral("Off"));
    }
    return file.flush();
}
