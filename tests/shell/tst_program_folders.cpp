// Where the program keeps Settings.ini and its data: beside itself when it
// runs from its own folder, in the user's XDG folders when it is installed.
#include "ProgramFolders.h"
#include "ProgramInfo.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "TForm1.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

Q_DECLARE_METATYPE(ProgramPlace)
Q_DECLARE_METATYPE(ProgramFolders)

namespace {

const auto kPrivateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const auto kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

// Qt adds the "User" bits of the current user; only the owner bits and those
// of group and others matter here.
QFile::Permissions modeOf(const QString& path) {
    return QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

// Ann (uid 1000) at her desktop; each row changes what it needs.
ProgramPlace ann(const QString& executableFolder) {
    ProgramPlace place;
    place.executableFolder = executableFolder;
    place.home = QStringLiteral("/home/ann");
    place.homeOwner = 1000;
    place.accountHome = QStringLiteral("/home/ann");
    place.uid = 1000;
    return place;
}

ProgramPlace root(const QString& executableFolder) {
    ProgramPlace place = ann(executableFolder);
    place.home = QStringLiteral("/root");
    place.homeOwner = 0;
    place.accountHome = QStringLiteral("/root");
    place.uid = 0;
    place.folderWritable = true;
    return place;
}

ProgramFolders inXdg(const QString& config, const QString& data, const QString& home) {
    return {config + QStringLiteral("/realmdesk"), data + QStringLiteral("/realmdesk"), home,
            false};
}

const ProgramFolders kAnnXdg =
        inXdg(QStringLiteral("/home/ann/.config"), QStringLiteral("/home/ann/.local/share"),
              QStringLiteral("/home/ann"));
const ProgramFolders kRootXdg =
        inXdg(QStringLiteral("/root/.config"), QStringLiteral("/root/.local/share"),
              QStringLiteral("/root"));

// Restores an environment variable at the end of a test.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

class ProgramFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void systemFolders_data();
    void systemFolders();
    void probeSeesAnInstallationPrefix();
    void probeReadsTheEnvironment();
    void privateFolderIsMadeLevelByLevel();
    void privateFolderUnderAFileFails();
    void installedWindowSavesInItsSettingsFolder();
    void withoutAHomeNothingIsKept();
};

void ProgramFoldersTest::rule_data() {
    QTest::addColumn<ProgramPlace>("place");
    QTest::addColumn<ProgramFolders>("expected");

    const QString build = QStringLiteral("/home/ann/realmdesk/build");
    ProgramPlace place = ann(build);
    place.settingsFileBeside = true;
    place.folderWritable = true;
    QTest::newRow("own folder with Settings.ini") << place << ProgramFolders::beside(build);

    place = ann(build);
    place.folderWritable = true;
    QTest::newRow("own folder without Settings.ini") << place << ProgramFolders::beside(build);

    place = ann(QStringLiteral("/media/ann/disk/realmdesk"));
    place.settingsFileBeside = true;
    QTest::newRow("read-only medium with Settings.ini")
            << place << ProgramFolders::beside(QStringLiteral("/media/ann/disk/realmdesk"));

    place = ann(QStringLiteral("/home/bob/realmdesk"));
    QTest::newRow("someone else's folder without Settings.ini") << place << kAnnXdg;

    place = ann(QStringLiteral("/usr/bin"));
    place.installed = true;
    QTest::newRow("installed, XDG folders unset") << place << kAnnXdg;

    place.xdgConfigHome = QStringLiteral("/home/ann/cfg/");
    place.xdgDataHome = QStringLiteral("/srv/data//ann");
    QTest::newRow("installed, XDG folders set")
            << place
            << inXdg(QStringLiteral("/home/ann/cfg"), QStringLiteral("/srv/data/ann"),
                     QStringLiteral("/home/ann"));

    place.xdgConfigHome = QStringLiteral("cfg");
    place.xdgDataHome = QStringLiteral("./data");
    QTest::newRow("installed, relative XDG folders ignored") << place << kAnnXdg;

    place = ann(QStringLiteral("/usr/bin"));
    place.installed = true;
    place.settingsFileBeside = true;
    QTest::newRow("installed with a Settings.ini beside it") << place << kAnnXdg;

    place = ann(QStringLiteral("/home/ann/.local/bin"));
    place.installed = true;
    place.folderWritable = true;
    QTest::newRow("installed under the user's own prefix") << place << kAnnXdg;

    place = ann(QStringLiteral("/usr/bin"));
    place.installed = true;
    place.home.clear();
    QTest::newRow("HOME unset: the account's home") << place << kAnnXdg;

    place.home = QStringLiteral("relative/home");
    QTest::newRow("HOME relative: the account's home") << place << kAnnXdg;

    place = root(QStringLiteral("/usr/bin"));
    place.installed = true;
    QTest::newRow("root, installed: never the installation folder") << place << kRootXdg;

    place.settingsFileBeside = true;
    QTest::newRow("root, installed with a Settings.ini beside it") << place << kRootXdg;

    place = root(QStringLiteral("/usr/bin"));
    place.installed = true;
    place.xdgConfigHome = QStringLiteral("/srv/config");
    QTest::newRow("root, own XDG_CONFIG_HOME")
            << place
            << inXdg(QStringLiteral("/srv/config"), QStringLiteral("/root/.local/share"),
                     QStringLiteral("/root"));

    place = root(QStringLiteral("/usr/bin"));
    place.installed = true;
    place.home = QStringLiteral("/home/ann");
    place.homeOwner = 1000;
    place.xdgConfigHome = QStringLiteral("/home/ann/.config");
    place.xdgDataHome = QStringLiteral("/home/ann/.local/share");
    QTest::newRow("root keeping another user's HOME and XDG folders") << place << kRootXdg;

    place = root(QStringLiteral("/root/realmdesk/build"));
    QTest::newRow("root, own folder without Settings.ini")
            << place << ProgramFolders::beside(QStringLiteral("/root/realmdesk/build"));

    place = ann(QStringLiteral("/usr/bin"));
    place.installed = true;
    place.home.clear();
    place.accountHome.clear();
    QTest::newRow("no home at all: nothing is kept") << place << ProgramFolders{};
}

void ProgramFoldersTest::rule() {
    QFETCH(ProgramPlace, place);
    QFETCH(ProgramFolders, expected);
    const ProgramFolders folders = programFolders(place);
    QCOMPARE(folders.settingsFolder, expected.settingsFolder);
    QCOMPARE(folders.dataFolder, expected.dataFolder);
    QCOMPARE(folders.exportFolder, expected.exportFolder);
    QCOMPARE(folders.portable, expected.portable);
}

void ProgramFoldersTest::systemFolders_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("system");
    QTest::newRow("/usr/bin") << QStringLiteral("/usr/bin") << true;
    QTest::newRow("/usr/local/bin") << QStringLiteral("/usr/local/bin") << true;
    QTest::newRow("/bin") << QStringLiteral("/bin") << true;
    QTest::newRow("/usr/games/") << QStringLiteral("/usr/games/") << true;
    QTest::newRow("/opt/realmdesk/bin") << QStringLiteral("/opt/realmdesk/bin") << true;
    QTest::newRow("/snap/realmdesk/1/bin") << QStringLiteral("/snap/realmdesk/1/bin") << true;
    QTest::newRow("/usr/../home/ann") << QStringLiteral("/usr/../home/ann") << false;
    QTest::newRow("/usrlocal/bin") << QStringLiteral("/usrlocal/bin") << false;
    QTest::newRow("/optional") << QStringLiteral("/optional") << false;
    QTest::newRow("/home/ann/bin") << QStringLiteral("/home/ann/bin") << false;
    QTest::newRow("/tmp/usr/bin") << QStringLiteral("/tmp/usr/bin") << false;
}

void ProgramFoldersTest::systemFolders() {
    QFETCH(QString, folder);
    QFETCH(bool, system);
    QCOMPARE(isSystemFolder(folder), system);
}

void ProgramFoldersTest::probeSeesAnInstallationPrefix() {
    // A prefix anywhere (cmake --install --prefix ~/.local, a staged copy)
    // shows by our desktop entry beside its bin folder.
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    ProgramPlace place = probeProgramPlace(bin);
    QVERIFY(!place.installed);
    QVERIFY(place.folderWritable);
    QVERIFY(!place.settingsFileBeside);
    QVERIFY(programFolders(place).portable);

    const QString applications = QDir::cleanPath(
            bin + u'/' + QLatin1String(kDataFolderFromBinFolder) + QStringLiteral("/applications"));
    QVERIFY(QDir().mkpath(applications));
    QFile entry(applications + u'/' + QLatin1String(kApplicationId) + ".desktop");
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.close();
    place = probeProgramPlace(bin);
    QVERIFY(place.installed);
    QVERIFY(!programFolders(place).portable);

    QFile settings(settingsFilePath(bin));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.close();
    QVERIFY(probeProgramPlace(bin).settingsFileBeside);
}

void ProgramFoldersTest::probeReadsTheEnvironment() {
    QTemporaryDir home;
    const EnvironmentVariable homeVariable("HOME", home.path().toUtf8());
    const EnvironmentVariable config("XDG_CONFIG_HOME", "/x/config");
    const EnvironmentVariable data("XDG_DATA_HOME", "/x/data");
    const ProgramPlace place = probeProgramPlace(QStringLiteral("/usr/bin"));
    QVERIFY(place.installed);
    QCOMPARE(place.home, home.path());
    QCOMPARE(place.xdgConfigHome, QStringLiteral("/x/config"));
    QCOMPARE(place.xdgDataHome, QStringLiteral("/x/data"));
    QCOMPARE(place.uid, unsigned(::geteuid()));
    QCOMPARE(place.homeOwner, place.uid);
    QVERIFY(QDir::isAbsolutePath(place.accountHome));
    QCOMPARE(programFolders(place).settingsFolder, QStringLiteral("/x/config/realmdesk"));
}

void ProgramFoldersTest::privateFolderIsMadeLevelByLevel() {
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), kPrivateFolder | QFile::ReadGroup | QFile::ExeGroup));
    const QString top = dir.filePath(QStringLiteral(".config"));
    const QString folder = top + QStringLiteral("/realmdesk");
    QVERIFY(makePrivateFolder(folder));
    QCOMPARE(modeOf(top), kPrivateFolder);
    QCOMPARE(modeOf(folder), kPrivateFolder);
    QCOMPARE(modeOf(dir.path()), kPrivateFolder | QFile::ReadGroup | QFile::ExeGroup);
    // A folder that exists keeps its mode.
    QVERIFY(QFile::setPermissions(folder, kPrivateFolder | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(makePrivateFolder(folder));
    QCOMPARE(modeOf(folder), kPrivateFolder | QFile::ReadOther | QFile::ExeOther);
}

void ProgramFoldersTest::privateFolderUnderAFileFails() {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("plain")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(!makePrivateFolder(file.fileName() + QStringLiteral("/realmdesk")));
    QVERIFY(!makePrivateFolder(file.fileName()));
}

void ProgramFoldersTest::installedWindowSavesInItsSettingsFolder() {
    QTemporaryDir home;
    const ProgramFolders folders =
            inXdg(home.filePath(QStringLiteral(".config")),
                  home.filePath(QStringLiteral(".local/share")), home.path());
    ScriptedDialogs dialogs;
    {
        TForm1 window(folders, dialogs);
        auto* remember = window.findChild<QCheckBox*>(QStringLiteral("dxCheckbox2"));
        QVERIFY(remember && !remember->isChecked());
        QTest::mouseClick(remember, Qt::LeftButton);
        QVERIFY(remember->isChecked());
        window.findChild<QLineEdit*>(QStringLiteral("dxDNEdit1"))->setText("db.example.org");
    }
    const QString path = settingsFilePath(folders.settingsFolder);
    QVERIFY(QFileInfo(path).isFile());
    QCOMPARE(modeOf(path), kPrivateFile);
    QCOMPARE(modeOf(folders.settingsFolder), kPrivateFolder);
    QCOMPARE(modeOf(home.filePath(QStringLiteral(".config"))), kPrivateFolder);
    // Nothing else is made: no data folder before anything is recorded.
    QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{QStringLiteral(".config")});
    QCOMPARE(QDir(folders.settingsFolder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("Settings.ini")});

    TForm1 again(folders, dialogs);
    QVERIFY(again.findChild<QCheckBox*>(QStringLiteral("dxCheckbox2"))->isChecked());
    QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("dxDNEdit1"))->text(),
             QStringLiteral("db.example.org"));
}

void ProgramFoldersTest::withoutAHomeNothingIsKept() {
    QTemporaryDir workingFolder;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingFolder.path()));
    QFile stray(QStringLiteral("Settings.ini"));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    QVERIFY(stray.write("[server]\nhost=stray\n") > 0);
    stray.close();
    ScriptedDialogs dialogs;
    {
        TForm1 window(ProgramFolders{}, dialogs);
        auto* remember = window.findChild<QCheckBox*>(QStringLiteral("dxCheckbox2"));
        // The stray file of the working folder is not read.
        QVERIFY(!remember->isChecked());
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("dxDNEdit1"))->text(),
                 QStringLiteral("127.0.0.1"));
        QTest::mouseClick(remember, Qt::LeftButton);
    }
    QVERIFY(QDir::setCurrent(previous));
    QFile file(workingFolder.filePath(QStringLiteral("Settings.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[server]\nhost=stray\n"));
    QCOMPARE(QDir(workingFolder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QStringLiteral("Settings.ini")});
}

QTEST_MAIN(ProgramFoldersTest)
#include "tst_program_folders.moc"
