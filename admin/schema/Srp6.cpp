#include "schema/Srp6.h"

#include <QCryptographicHash>

#include <openssl/bn.h>
#include <openssl/crypto.h>
#include <openssl/rand.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace srp6 {

namespace {

constexpr char kPrime[] = "894B645E89E1535BBDAD5B8B290650530801B18EBFBF5E8FAB3C82872A3E9BB7";
constexpr unsigned kGenerator = 7;

using Number = std::unique_ptr<BIGNUM, decltype(&BN_clear_free)>;

Number newNumber() {
    Number n(BN_new(), &BN_clear_free);
    if (!n)
        throw std::bad_alloc();
    return n;
}

QByteArray reversed(QByteArray bytes) {
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

// NAME:PASSWORD with only a-z upper-cased.
QByteArray upperLatinJoined(const QByteArray& username, const QString& password) {
    QByteArray joined = username + ':' + password.toUtf8();
    for (char& c : joined) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return joined;
}

QString hexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

// The number of upper- or lower-case hex digits, as its bytes most
// significant first without leading zero bytes; empty when it is no number.
QByteArray bytesOfHex(const QString& hex) {
    const QByteArray digits = hex.trimmed().toLatin1();
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    }
    QByteArray bytes = QByteArray::fromHex(digits.size() % 2 ? '0' + digits : digits);
    while (!bytes.isEmpty() && bytes.front() == 0)
        bytes.remove(0, 1);
    return bytes;
}

} // namespace

QByteArray randomSalt() {
    QByteArray salt(kSaltBytes, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), kSaltBytes) != 1)
        throw std::runtime_error("the system gave no random bytes for the salt");
    salt[kSaltBytes - 1] = char(uint8_t(salt[kSaltBytes - 1]) | 0x80);
    return salt;
}

QByteArray verifier(const QByteArray& saltBytes, const QByteArray& username,
                    const QString& password) {
    QByteArray joined = upperLatinJoined(username, password);
    QByteArray inner = QCryptographicHash::hash(joined, QCryptographicHash::Sha1);
    QByteArray digest = QCryptographicHash::hash(saltBytes + inner, QCryptographicHash::Sha1);
    OPENSSL_cleanse(joined.data(), size_t(joined.size()));
    OPENSSL_cleanse(inner.data(), size_t(inner.size()));

    // x is the digest read least significant byte first.
    const QByteArray xBytes = reversed(digest);
    OPENSSL_cleanse(digest.data(), size_t(digest.size()));
    Number x = newNumber(), g = newNumber(), n = newNumber(), v = newNumber();
    BIGNUM* prime = n.get();
    std::unique_ptr<BN_CTX, decltype(&BN_CTX_free)> context(BN_CTX_new(), &BN_CTX_free);
    if (!context ||
        !BN_bin2bn(reinterpret_cast<const unsigned char*>(xBytes.constData()), int(xBytes.size()),
                   x.get()) ||
        !BN_set_word(g.get(), kGenerator) || !BN_hex2bn(&prime, kPrime) ||
        !BN_mod_exp(v.get(), g.get(), x.get(), n.get(), context.get()))
        throw std::runtime_error("the verifier cannot be computed");
    QByteArray out(BN_num_bytes(v.get()), '\0');
    BN_bn2bin(v.get(), reinterpret_cast<unsigned char*>(out.data()));
    return out;
}

HexRecord hexRecord(const QByteArray& saltBytes, const QByteArray& username,
                    const QString& password) {
    QByteArray saltNumber = reversed(saltBytes);
    while (!saltNumber.isEmpty() && saltNumber.front() == 0)
        saltNumber.remove(0, 1);
    return {hexOf(saltNumber), hexOf(verifier(saltBytes, username, password))};
}

QString hexVerifier(const QString& storedSalt, const QByteArray& username,
                    const QString& password) {
    const QByteArray saltNumber = bytesOfHex(storedSalt);
    if (saltNumber.isEmpty())
        return {};
    return hexOf(verifier(reversed(saltNumber), username, password));
}

bool matchesHex(const HexRecord& stored, const QByteArray& username, const QString& password) {
    const QByteArray saltNumber = bytesOfHex(stored.salt);
    const QByteArray storedVerifier = bytesOfHex(stored.verifier);
    if (saltNumber.isEmpty() || storedVerifier.isEmpty())
        return false;
    return verifier(reversed(saltNumber), username, password) == storedVerifier;
}

BinaryRecord binaryRecord(const QByteArray& saltBytes, const QByteArray& username,
                          const QString& password) {
    QByteArray v = verifier(saltBytes, username, password);
    v.prepend(QByteArray(std::max<qsizetype>(0, kSaltBytes - v.size()), '\0'));
    return {saltBytes, reversed(v)};
}

bool matchesBinary(const BinaryRecord& stored, const QByteArray& username,
                   const QString& password) {
    if (stored.salt.size() != kSaltBytes || stored.verifier.size() != kSaltBytes)
        return false;
    return binaryRecord(stored.salt, username, password).verifier == stored.verifier;
}

} // namespace srp6
