#pragma once

#include <QByteArray>
#include <QString>

// The SRP6 verifiers of the game's login protocol, as today's login servers
// keep them instead of a password hash: g = 7, the protocol's 32-byte prime
// N, x = SHA1(salt bytes, SHA1(NAME ":" PASSWORD)) read as a little-endian
// number, v = g^x mod N. NAME and PASSWORD have their Latin letters a-z
// upper-cased, nothing else.
namespace srp6 {

// The salt size of the login protocol.
constexpr int kSaltBytes = 32;

// 32 random bytes, the most significant one (the last) with its top bit
// set, so that the salt as a number keeps all 32 of its bytes.
QByteArray randomSalt();

// v of the user name's bytes and the password, for the salt bytes as they
// are hashed (least significant first): the number's bytes, most
// significant first, without leading zero bytes.
QByteArray verifier(const QByteArray& saltBytes, const QByteArray& username,
                    const QString& password);

// The store of cmangos and vmangos: salt and verifier as upper-case hex of
// the numbers, most significant digit first; whole bytes, without leading
// zero bytes (as the servers print them). The salt bytes hashed are the
// salt number's bytes, least significant first.
struct HexRecord {
    QString salt;
    QString verifier;
};
HexRecord hexRecord(const QByteArray& saltBytes, const QByteArray& username,
                    const QString& password);
// The verifier, as hexRecord writes it, that the password makes with a
// stored salt (either letter case); empty when the salt is no number.
QString hexVerifier(const QString& storedSalt, const QByteArray& username, const QString& password);
// Whether the password makes the stored verifier with the stored salt
// (either letter case).
bool matchesHex(const HexRecord& stored, const QByteArray& username, const QString& password);

// The store of TrinityCore and AzerothCore: 32 bytes each, as they are
// hashed (salt) and least significant first (verifier).
struct BinaryRecord {
    QByteArray salt;
    QByteArray verifier;
};
BinaryRecord binaryRecord(const QByteArray& saltBytes, const QByteArray& username,
                          const QString& password);
bool matchesBinary(const BinaryRecord& stored, const QByteArray& username, const QString& password);

} // namespace srp6
