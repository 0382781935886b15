// Profiles.ini: what a profile keeps, in which file, with which mode, and
// what happens to a file that is not a profiles file.
#include "ProfileBook.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every field set, with values the INI form could spoil: blanks and quotes
// around, "=", ";" and "#" at the start, Cyrillic.
ConnectionProfile awkwardProfile() {
    ConnectionProfile p;
    p.name = QStringLiteral(" \"Боевой\" сервер");
    p.host = QStringLiteral("db.example.org");
    p.port = QStringLiteral("3307");
    p.user = QStringLiteral("админ");
    p.tlsMode = QStringLiteral("verify-identity");
    p.tlsCaFile = QStringLiteral("/home/админ/ca file.pem");
    p.tlsServerPublicKey = QStringLiteral("/etc/keys/server.pem");
    p.tlsAllowServerPublicKey = true;
    p.realmdDatabase = QStringLiteral("classicrealmd");
    p.mangosDatabase = QStringLiteral("classicmangos");
    p.charactersDatabase = QStringLiteral("; персонажи");
    p.scriptdev2Database = QStringLiteral("#sd2");
    p.schemaFamily = QStringLiteral("cmangos");
    p.live = true;
    p.passwordInFile = true;
    p.password = QStringLiteral(" p=ss 'word\" ");
    return p;
}

ConnectionProfile plainProfile(const QString& name) {
    ConnectionProfile p;
    p.name = name;
    p.user = QStringLiteral("gm");
    p.realmdDatabase = QStringLiteral("realmd");
    return p;
}

bool ownerOnly(const QString& path) {
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    return (permissions & QFileDevice::ReadOwner) && (permissions & QFileDevice::WriteOwner) &&
           !(permissions & others);
}

// The files of the directory whose names start with the prefix.
QStringList filesStartingWith(const QString& directory, const QString& prefix) {
    return QDir(directory).entryList({prefix + u'*'}, QDir::Files, QDir::Name);
}

} // namespace

class ProfileBookTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileIsAnEmptyBook();
    void savedProfilesReadBackInOrder();
    void passwordInTheFileOnlyWhenAsked();
    void fileIsOwnerOnly();
    void removeKeepsTheOthersAndTheFilesOwnLines();
    void newNames_data();
    void newNames();
    void unreadableFileIsMovedAside_data();
    void unreadableFileIsMovedAside();
    void settingsFileIsNotTouched();
};

void ProfileBookTest::missingFileIsAnEmptyBook() {
    QTemporaryDir dir;
    ProfileBook book(dir.path());
    book.load();
    QVERIFY(book.profiles().isEmpty());
    QVERIFY(book.problem().isEmpty());
    QVERIFY(book.writable());
    QVERIFY(!QFile::exists(ProfileBook::filePath(dir.path())));
}

void ProfileBookTest::savedProfilesReadBackInOrder() {
    QTemporaryDir dir;
    ProfileBook book(dir.path());
    book.load();
    const QList<ConnectionProfile> profiles = {plainProfile(QStringLiteral("Тест")),
                                               awkwardProfile(),
                                               plainProfile(QStringLiteral("Zeta"))};
    for (const ConnectionProfile& profile : profiles)
        book.add(profile);
    book.setLast(awkwardProfile().name);
    QVERIFY(book.save());

    ProfileBook again(dir.path());
    again.load();
    QVERIFY2(again.problem().isEmpty(), qPrintable(again.problem()));
    QCOMPARE(again.profiles(), profiles);
    QCOMPARE(again.last(), awkwardProfile().name);
    QVERIFY(again.find(QStringLiteral("тест")));
    QCOMPARE(again.find(QStringLiteral("тест"))->name, QStringLiteral("Тест"));
}

void ProfileBookTest::passwordInTheFileOnlyWhenAsked() {
    QTemporaryDir dir;
    ProfileBook book(dir.path());
    ConnectionProfile inKeyring = plainProfile(QStringLiteral("keyring"));
    inKeyring.password = QStringLiteral("secret-in-keyring");
    ConnectionProfile inFile = plainProfile(QStringLiteral("file"));
    inFile.passwordInFile = true;
    inFile.password = QStringLiteral("secret-in-file");
    book.add(inKeyring);
    book.add(inFile);
    QVERIFY(book.save());

    const QByteArray text = readAll(book.path());
    QVERIFY(!text.contains("secret-in-keyring"));
    QVERIFY(text.contains("Password=secret-in-file"));
    ProfileBook again(dir.path());
    again.load();
    QCOMPARE(again.find(QStringLiteral("keyring"))->password, QString());
    QCOMPARE(again.find(QStringLiteral("file"))->password, QStringLiteral("secret-in-file"));
}

void ProfileBookTest::fileIsOwnerOnly() {
    QTemporaryDir dir;
    ProfileBook book(dir.path());
    book.add(plainProfile(QStringLiteral("a")));
    QVERIFY(book.save());
    QVERIFY(ownerOnly(book.path()));

    // A file someone opened up is closed again by the next save, changed or not.
    for (const bool changed : {true, false}) {
        QVERIFY(QFile::setPermissions(book.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther));
        ProfileBook again(dir.path());
        again.load();
        if (changed)
            again.add(plainProfile(QStringLiteral("b")));
        QVERIFY(again.save());
        QVERIFY2(ownerOnly(book.path()), changed ? "changed" : "unchanged");
    }
}

void ProfileBookTest::removeKeepsTheOthersAndTheFilesOwnLines() {
    QTemporaryDir dir;
    const QString path = ProfileBook::filePath(dir.path());
    writeAll(path, "; profiles of the realm servers\n"
                   "[Profiles]\nLast=B\n"
                   "[Profile1]\nName=A\nHost=10.0.0.1\n"
                   "[Profile2]\nName=B\nHost=10.0.0.2\n"
                   "[Profile3]\nName=C\nHost=10.0.0.3\n"
                   "[Notes]\nowner=ops\n");
    ProfileBook book(dir.path());
    book.load();
    QVERIFY2(book.problem().isEmpty(), qPrintable(book.problem()));
    QVERIFY(!book.remove(QStringLiteral("nobody")));
    QVERIFY(book.remove(QStringLiteral("b")));
    QCOMPARE(book.last(), QString());
    QVERIFY(book.save());

    const QByteArray text = readAll(path);
    QVERIFY(text.startsWith("; profiles of the realm servers\n"));
    QVERIFY(text.contains("[Notes]\nowner=ops\n"));
    QVERIFY(!text.contains("10.0.0.2"));
    ProfileBook again(dir.path());
    again.load();
    QCOMPARE(again.profiles().size(), 2);
    QCOMPARE(again.profiles()[0].name, QStringLiteral("A"));
    QCOMPARE(again.profiles()[0].host, QStringLiteral("10.0.0.1"));
    QCOMPARE(again.profiles()[1].name, QStringLiteral("C"));
    QCOMPARE(again.profiles()[1].host, QStringLiteral("10.0.0.3"));
}

void ProfileBookTest::newNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("check");
    using Check = ProfileBook::NameCheck;
    QTest::newRow("new") << QStringLiteral("Новый") << int(Check::Ok);
    QTest::newRow("empty") << QString() << int(Check::Empty);
    QTest::newRow("blanks only") << QStringLiteral(" \t ") << int(Check::Empty);
    QTest::newRow("same name") << QStringLiteral("Боевой") << int(Check::Taken);
    QTest::newRow("other letter case") << QStringLiteral("БОЕВОЙ") << int(Check::Taken);
    QTest::newRow("blanks around") << QStringLiteral("  Боевой ") << int(Check::Taken);
    QTest::newRow("a longer name") << QStringLiteral("Боевой 2") << int(Check::Ok);
}

void ProfileBookTest::newNames() {
    QFETCH(QString, name);
    QFETCH(int, check);
    QTemporaryDir dir;
    ProfileBook book(dir.path());
    book.add(plainProfile(QStringLiteral("Боевой")));
    QCOMPARE(int(book.checkNewName(name)), check);
}

void ProfileBookTest::unreadableFileIsMovedAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero bytes") << QByteArray("[Profile1]\nName=A") + QByteArray(3, '\0');
    QTest::newRow("Windows-1251 text") << QByteArray("[Profile1]\nName=\xcf\xf0\xee\xe4\n");
    QTest::newRow("a line that is neither") << QByteArray("[Profile1]\nName=A\nHost 10.0.0.1\n");
    QTest::newRow("a key before any section") << QByteArray("Name=A\n[Profile1]\nName=B\n");
    QTest::newRow("a section not closed") << QByteArray("[Profile1\nName=A\n");
    QTest::newRow("an empty section name") << QByteArray("[]\nName=A\n");
    QTest::newRow("a key without name") << QByteArray("[Profile1]\n=A\n");
    QTest::newRow("a profile without name") << QByteArray("[Profile1]\nHost=10.0.0.1\n");
    QTest::newRow("a profile with a blank name") << QByteArray("[Profile1]\nName=\"  \"\n");
    QTest::newRow("two profiles of one name")
            << QByteArray("[Profile1]\nName=Test\n[Profile2]\nName=TEST\n");
    QTest::newRow("a section twice") << QByteArray("[Profile1]\nName=A\n[profile1]\nName=B\n");
}

void ProfileBookTest::unreadableFileIsMovedAside() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = ProfileBook::filePath(dir.path());
    writeAll(path, bytes);
    ProfileBook book(dir.path());
    book.load();
    QVERIFY(!book.problem().isEmpty());
    QVERIFY(book.profiles().isEmpty());
    QVERIFY(!QFile::exists(path));
    const QStringList aside = filesStartingWith(dir.path(), QStringLiteral("Profiles.ini.broken-"));
    QCOMPARE(aside.size(), 1);
    QCOMPARE(QFileInfo(book.movedTo()).fileName(), aside.first());
    QCOMPARE(readAll(book.movedTo()), bytes);

    // A new file starts; the one kept aside stays as it was.
    QVERIFY(book.writable());
    book.add(plainProfile(QStringLiteral("Новый")));
    QVERIFY(book.save());
    QCOMPARE(readAll(book.movedTo()), bytes);
    ProfileBook again(dir.path());
    again.load();
    QVERIFY(again.problem().isEmpty());
    QCOMPARE(again.profiles().size(), 1);

    // A second broken file in the same second gets a name of its own.
    writeAll(path, bytes);
    ProfileBook third(dir.path());
    third.load();
    QCOMPARE(filesStartingWith(dir.path(), QStringLiteral("Profiles.ini.broken-")).size(), 2);
    QCOMPARE(readAll(third.movedTo()), bytes);
}

void ProfileBookTest::settingsFileIsNotTouched() {
    QTemporaryDir dir;
    const QByteArray settingsBytes = "[server]\nhost=10.1.1.1\nuser=old\npassword=old-secret\n"
                                     "[Base]\nrealmd=realmd\n";
    writeAll(settingsFilePath(dir.path()), settingsBytes);
    const Settings before = loadSettings(dir.path());
    ProfileBook book(dir.path());
    book.load();
    book.add(awkwardProfile());
    book.setLast(awkwardProfile().name);
    QVERIFY(book.save());
    QVERIFY(book.remove(awkwardProfile().name));
    QVERIFY(book.save());
    QCOMPARE(readAll(settingsFilePath(dir.path())), settingsBytes);
    QCOMPARE(loadSettings(dir.path()), before);
}

QTEST_GUILESS_MAIN(ProfileBookTest)
#include "tst_profile_book.moc"
