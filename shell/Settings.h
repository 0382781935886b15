#pragma once

#include "connection/ConnectionSecurity.h"

#include <QString>

// Every setting that survives a restart. The defaults are the values the
// controls show when the settings file lacks a key or leaves it empty.
struct Settings {
    QString host = QStringLiteral("127.0.0.1");
    QString port = QStringLiteral("3306");
    QString user;
    QString password;
    QString realmdDatabase;
    QString mangosDatabase;
    QString charactersDatabase;
    QString scriptdev2Database;
    bool autoLogin = false;
    bool exportUtf8 = false;
    QString startPage = QStringLiteral("Подключение");
    QString recordsLimit = QStringLiteral("Все");
    QString erasePeriod = QStringLiteral("150");
    QString adminAccount = QStringLiteral("0");
    QString lowLevel = QStringLiteral("10");
    QString cheatMoney = QStringLiteral("1000000000");
    // Encryption of the connection, in a section of its own: the mode's word
    // ("off", "preferred", "required", "verify-ca", "verify-identity") and
    // the authorities' file of the verifying modes.
    QString tlsMode = security::modeKeyword(security::kDefaultMode);
    QString tlsCaFile;
    // How far the login may go without TLS: the server's public key pinned
    // in a PEM file, or taken from the server; and, in a section of its own,
    // the pre-4.1 password scramble for servers of 4.1 and later.
    QString tlsServerPublicKey;
    bool tlsAllowServerPublicKey = false;
    bool oldPasswords = false;
    // The game-server schema family of the databases ("auto": each
    // database's own, read from its tables), in a section of its own.
    QString schemaFamily = QStringLiteral("auto");
    // "Запомнить все параметры": checked when the file existed at start-up;
    // the settings are written at exit only while it is checked.
    bool remember = false;

    bool operator==(const Settings&) const = default;
};

// The settings file of a directory: that directory followed by "Settings.ini".
QString settingsFilePath(const QString& directory);

// Reads the settings file of the directory. A missing file, a missing key and
// an empty value all leave the default.
Settings loadSettings(const QString& directory);

// Writes all sixteen keys and then the encryption section when
// settings.remember is set; otherwise the file is neither created nor
// touched. Returns false only when a write failed.
bool saveSettings(const QString& directory, const Settings& settings);
