// The password answers of the login: SHA-1, the pre-4.1 hash and scramble,
// and the 4.1 scramble.
#include "uMysqlNewPassword.h"
#include "umysqlsha1.h"

#include <QTest>

using namespace mysql;

namespace {

QByteArray digestOf(const QByteArray& input) {
    uint8_t digest[kSha1HashSize];
    Sha1(input.constData(), size_t(input.size()), digest);
    return QByteArray(reinterpret_cast<const char*>(digest), kSha1HashSize).toHex();
}

} // namespace

class PasswordTest : public QObject {
    Q_OBJECT

private slots:
    void sha1Vectors_data();
    void sha1Vectors();
    void sha1InputInPiecesAcrossBlocks();
    void sha1InputAfterResultIsIgnored();
    void oldHash_data();
    void oldHash();
    void oldScramble_data();
    void oldScramble();
    void secureScramble_data();
    void secureScramble();
    void challengeAnswers();
};

void PasswordTest::sha1Vectors_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("empty") << QByteArray()
                           << QByteArray("da39a3ee5e6b4b0d3255bfef95601890afd80709");
    QTest::newRow("abc") << QByteArray("abc")
                         << QByteArray("a9993e364706816aba3e25717850c26c9cd0d89d");
    QTest::newRow("two blocks")
            << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")
            << QByteArray("84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    QTest::newRow("a million a") << QByteArray(1000000, 'a')
                                 << QByteArray("34aa973cd4c4daa4f61eeb2bdbad27316534016f");
    // Lengths at the padding boundaries: 55 bytes fit one block, 56 need two.
    QTest::newRow("55 bytes") << QByteArray(55, 'x')
                              << QByteArray("cef734ba81a024479e09eb5a75b6ddae62e6abf1");
    QTest::newRow("56 bytes") << QByteArray(56, 'x')
                              << QByteArray("901305367c259952f4e7af8323f480d59f81335b");
}

void PasswordTest::sha1Vectors() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, digest);
    QCOMPARE(digestOf(input), digest);
}

void PasswordTest::sha1InputInPiecesAcrossBlocks() {
    // The FIPS 180-1 two-block message fed in uneven pieces, some crossing the
    // 64-byte block boundary.
    const QByteArray message("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"
                             "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq");
    TSha1Context context;
    Sha1Reset(context);
    int at = 0;
    for (int piece : {1, 7, 63, 2, 20, 19}) {
        QCOMPARE(Sha1Input(context, message.constData() + at, size_t(piece)), int(shaSuccess));
        at += piece;
    }
    Sha1Input(context, message.constData() + at, size_t(message.size() - at));
    uint8_t digest[kSha1HashSize];
    QCOMPARE(Sha1Result(context, digest), int(shaSuccess));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(digest), kSha1HashSize).toHex(),
             digestOf(message));
}

void PasswordTest::sha1InputAfterResultIsIgnored() {
    TSha1Context context;
    Sha1Reset(context);
    Sha1Input(context, "abc", 3);
    uint8_t first[kSha1HashSize];
    Sha1Result(context, first);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(first), kSha1HashSize).toHex(),
             QByteArray("a9993e364706816aba3e25717850c26c9cd0d89d"));

    QCOMPARE(Sha1Input(context, "d", 1), int(shaStateError));
    uint8_t second[kSha1HashSize];
    std::memset(second, 0x55, sizeof second);
    QCOMPARE(Sha1Result(context, second), int(shaStateError));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(second), kSha1HashSize),
             QByteArray(kSha1HashSize, '\x55'));
}

void PasswordTest::oldHash_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<uint>("word0");
    QTest::addColumn<uint>("word1");
    QTest::newRow("abc") << QByteArray("abc") << 0x7CD2B594u << 0x2BE28759u;
    QTest::newRow("blank and tab inside") << QByteArray("a b\tc") << 0x7CD2B594u << 0x2BE28759u;
    QTest::newRow("empty") << QByteArray() << 0x50305735u << 0x12345671u;
    QTest::newRow("ends at a zero byte") << QByteArray("abc\0def", 7) << 0x7CD2B594u << 0x2BE28759u;
}

void PasswordTest::oldHash() {
    QFETCH(QByteArray, text);
    QFETCH(uint, word0);
    QFETCH(uint, word1);
    const TOldHash hash = OldHash(std::string_view(text.constData(), size_t(text.size())));
    QCOMPARE(hash[0], word0);
    QCOMPARE(hash[1], word1);
}

void PasswordTest::oldScramble_data() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("scrambled");
    QTest::newRow("old-secret") << QByteArray("old-secret") << QByteArray("abcdefgh")
                                << QByteArray("]AKJREIB");
    QTest::newRow("password") << QByteArray("password") << QByteArray("12345678")
                              << QByteArray("FKMP\\PHN");
    QTest::newRow("empty password") << QByteArray() << QByteArray("12345678") << QByteArray();
}

void PasswordTest::oldScramble() {
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, scrambled);
    const std::string out = OldScramble(password.toStdString(), message.toStdString());
    QCOMPARE(QByteArray::fromStdString(out), scrambled);
}

void PasswordTest::secureScramble_data() {
    QTest::addColumn<QByteArray>("scramble");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("letters") << QByteArray("abcdefghijklmnopqrst") << QByteArray("native-secret")
                             << QByteArray("053482952a42ee5994a5cd5cf3e2c519612cb462");
    QTest::newRow("blank kept") << QByteArray("01234567890123456789") << QByteArray("pass word")
                                << QByteArray("19fefb1b1582d123008e0f5eddac75fbd91fbbd2");
}

void PasswordTest::secureScramble() {
    QFETCH(QByteArray, scramble);
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, answer);
    const TScrambleAnswer out = SecureScramble(scramble.toStdString(), password.toStdString());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), 20).toHex(), answer);
}

void PasswordTest::challengeAnswers() {
    // The 4.1.0 answers undo the server's masking: XOR-ing the answer of the
    // second form with h and with SHA-1(salt + h) gives the challenge back.
    const uint8_t salt[4] = {1, 2, 3, 4};
    uint8_t value[20];
    for (int i = 0; i < 20; ++i)
        value[i] = uint8_t(0x30 + i);
    const TScrambleAnswer answer = Challenge410("pa ss\tword", salt, value);
    uint8_t h[20], t[20];
    Sha1("password", 8, h);
    uint8_t saltAndH[24];
    std::memcpy(saltAndH, salt, 4);
    std::memcpy(saltAndH + 4, h, 20);
    Sha1(saltAndH, 24, t);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(uint8_t(answer[i] ^ h[i] ^ t[i]), value[i]);

    // First form: the pre-4.1 scramble of the message the key unmasks,
    // zero-padded to 20 bytes.
    const TOldHash hash = OldHash("secret");
    uint8_t words[8];
    for (int w = 0; w < 2; ++w)
        for (int i = 0; i < 4; ++i)
            words[w * 4 + i] = uint8_t(hash[w] >> (24 - 8 * i));
    uint8_t key[20];
    Sha1(words, 8, key);
    const char message[] = "12345678";
    uint8_t masked[20] = {};
    for (int i = 0; i < 8; ++i)
        masked[i] = uint8_t(message[i]) ^ key[i];
    const TScrambleAnswer old = Challenge410Old("secret", masked);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(old.data()), 8),
             QByteArray::fromStdString(OldScramble("secret", message)));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(old.data()) + 8, 12), QByteArray(12, '\0'));
}

QTEST_APPLESS_MAIN(PasswordTest)
#include "tst_mysql_password.moc"
