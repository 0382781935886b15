#pragma once

#include <QString>

// Where the passwords of the connection profiles are kept: the desktop's
// secret service (GNOME Keyring, KWallet), or a stand-in. Each password is
// found by its profile's name.
class Keychain {
public:
    enum class Status {
        Ok,
        NotFound,    // the service answered: it has no password for the name
        Unavailable, // no service answered, or it refused; error says why
    };
    struct Answer {
        Status status = Status::Ok;
        QString password; // read: the password found
        QString error;
    };

    virtual ~Keychain() = default;
    virtual Answer store(const QString& profile, const QString& password) = 0;
    virtual Answer read(const QString& profile) = 0;
    // Deleting a password that is not there is NotFound.
    virtual Answer remove(const QString& profile) = 0;
};
