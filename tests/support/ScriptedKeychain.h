#pragma once

#include "Keychain.h"

#include <QMap>
#include <QStringList>

// Stands in for the desktop's secret service: keeps the passwords in memory,
// or, with serviceAnswers off, answers every call as a desktop without one.
// Every call is recorded as "store|read|remove:profile".
class ScriptedKeychain : public Keychain {
public:
    bool serviceAnswers = true;
    QString unavailableReason = QStringLiteral(
            "The name org.freedesktop.secrets was not provided by any .service files");
    QMap<QString, QString> passwords;
    QStringList calls;

    Answer store(const QString& profile, const QString& password) override {
        calls << QStringLiteral("store:") + profile;
        if (!serviceAnswers)
            return unavailable();
        passwords[profile] = password;
        return {};
    }
    Answer read(const QString& profile) override {
        calls << QStringLiteral("read:") + profile;
        if (!serviceAnswers)
            return unavailable();
        if (!passwords.contains(profile))
            return {Status::NotFound, {}, {}};
        return {Status::Ok, passwords.value(profile), {}};
    }
    Answer remove(const QString& profile) override {
        calls << QStringLiteral("remove:") + profile;
        if (!serviceAnswers)
            return unavailable();
        return passwords.remove(profile) ? Answer{} : Answer{Status::NotFound, {}, {}};
    }

private:
    Answer unavailable() const { return {Status::Unavailable, {}, unavailableReason}; }
};
