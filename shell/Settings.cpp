#include "Settings.h"

#include "ProfileFile.h"

#include <QDir>

namespace {

// One text setting: where it lives in the file and which member holds it.
struct TextKey {
    const char* section;
    const char* key;
    QString Settings::*member;
};

// The file's order of reading and writing. "autologin" and "UTF-8" are read
// and written between the two groups; see loadSettings / saveSettings.
const TextKey kConnectionKeys[] = {
        {"server", "host", &Settings::host},
        {"server", "port", &Settings::port},
        {"server", "user", &Settings::user},
        {"server", "password", &Settings::password},
        {"Base", "realmd", &Settings::realmdDatabase},
        {"Base", "mangos", &Settings::mangosDatabase},
        {"Base", "characters", &Settings::charactersDatabase},
        {"Base", "scriptdev2", &Settings::scriptdev2Database},
};

const TextKey kInterfaceKeys[] = {
        {"Intreface", "startpage", &Settings::startPage},
        {"Intreface", "RecordsLimit", &Settings::recordsLimit},
        {"Account", "ErasePeriod", &Settings::erasePeriod},
        {"Account", "AdminAccount", &Settings::adminAccount},
        {"Account", "LowLevel", &Settings::lowLevel},
        {"Account", "CheatMoney", &Settings::cheatMoney},
};

// Written after the sixteen keys, so that a new file has them in the order
// above and this section last. A file of an earlier version, which lacks
// them, gets them only once they differ from their defaults, so that saving
// unchanged settings leaves such a file as it was; a new file has them all.
const TextKey kEncryptionKeys[] = {
        {"TLS", "Mode", &Settings::tlsMode},
        {"TLS", "CAFile", &Settings::tlsCaFile},
        {"TLS", "ServerPublicKey", &Settings::tlsServerPublicKey},
};

// Written last.
const TextKey kSchemaKeys[] = {
        {"Schema", "Family", &Settings::schemaFamily},
};

struct SwitchKey {
    const char* section;
    const char* key;
    bool Settings::*member;
};

const SwitchKey kSwitchKeys[] = {
        {"server", "autologin", &Settings::autoLogin},
        {"export", "UTF-8", &Settings::exportUtf8},
};

// Written after the encryption keys, as those are.
const SwitchKey kLoginSwitches[] = {
        {"TLS", "AllowServerPublicKey", &Settings::tlsAllowServerPublicKey},
        {"Login", "OldPasswords", &Settings::oldPasswords},
};

// Only the word "On", in any letter case, switches on; anything else leaves
// the switch as it was.
void readSwitches(const ProfileFile& file, const auto& keys, Settings& settings) {
    for (const SwitchKey& entry : keys) {
        const QString value =
                file.readString(QLatin1String(entry.section), QLatin1String(entry.key));
        if (value.toUpper() == QLatin1String("ON"))
            settings.*entry.member = true;
    }
}

QString switchText(bool on) {
    return on ? QStringLiteral("On") : QStringLiteral("Off");
}

void readTexts(const ProfileFile& file, const auto& keys, Settings& settings) {
    for (const TextKey& entry : keys) {
        const QString value =
                file.readString(QLatin1String(entry.section), QLatin1String(entry.key));
        if (!value.isEmpty())
            settings.*entry.member = value;
    }
}

void writeTexts(ProfileFile& file, const auto& keys, const Settings& settings) {
    for (const TextKey& entry : keys)
        file.writeString(QLatin1String(entry.section), QLatin1String(entry.key),
                         settings.*entry.member);
}

void writeOptionalTexts(ProfileFile& file, const auto& keys, const Settings& settings) {
    static const Settings defaults;
    for (const TextKey& entry : keys) {
        const QLatin1String section(entry.section);
        const QLatin1String key(entry.key);
        if (!file.exists() || settings.*entry.member != defaults.*entry.member ||
            file.hasKey(section, key))
            file.writeString(section, key, settings.*entry.member);
    }
}

void writeOptionalSwitches(ProfileFile& file, const auto& keys, const Settings& settings) {
    static const Settings defaults;
    for (const SwitchKey& entry : keys) {
        const QLatin1String section(entry.section);
        const QLatin1String key(entry.key);
        if (!file.exists() || settings.*entry.member != defaults.*entry.member ||
            file.hasKey(section, key))
            file.writeString(section, key, switchText(settings.*entry.member));
    }
}

} // namespace

QString settingsFilePath(const QString& directory) {
    QString path = directory;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path + QStringLiteral("Settings.ini");
}

Settings loadSettings(const QString& directory) {
    Settings settings;
    const ProfileFile file(settingsFilePath(directory));
    settings.remember = file.exists();
    readTexts(file, kConnectionKeys, settings);
    readSwitches(file, kSwitchKeys, settings);
    readTexts(file, kInterfaceKeys, settings);
    readTexts(file, kEncryptionKeys, settings);
    readSwitches(file, kLoginSwitches, settings);
    readTexts(file, kSchemaKeys, settings);
    return settings;
}

bool saveSettings(const QString& directory, const Settings& settings) {
    if (!settings.remember)
        return true;
    ProfileFile file(settingsFilePath(directory));
    writeTexts(file, kConnectionKeys, settings);
    for (const SwitchKey& entry : kSwitchKeys)
        file.writeString(QLatin1String(entry.section), QLatin1String(entry.key),
                         switchText(settings.*entry.member));
    writeTexts(file, kInterfaceKeys, settings);
    writeOptionalTexts(file, kEncryptionKeys, settings);
    writeOptionalSwitches(file, kLoginSwitches, settings);
    writeOptionalTexts(file, kSchemaKeys, settings);
    return file.flush();
}
