#pragma once

#include "Keychain.h"

#include <chrono>

// The desktop's secret service through QtKeychain. Each call waits for its
// answer (running the event loop) at most the time limit; a service that
// has not answered by then counts as unavailable. (A keyring that must first
// be created or unlocked asks the person in a window of its own; the call
// may still finish after the limit.)
class QtKeychainStore : public Keychain {
public:
    explicit QtKeychainStore(QString service = QStringLiteral("realmdesk"),
                             std::chrono::milliseconds timeLimit = std::chrono::seconds(10));

    Answer store(const QString& profile, const QString& password) override;
    Answer read(const QString& profile) override;
    Answer remove(const QString& profile) override;

private:
    QString m_service;
    std::chrono::milliseconds m_timeLimit;
};
