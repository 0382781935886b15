#include "ProgramFolders.h"

#include "ProgramInfo.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kFolderName = QStringLiteral("realmdesk");

// An XDG base folder counts only when it is an absolute path.
QString baseFolder(const QString& variable, const QString& home, const QString& fallback) {
    if (QDir::isAbsolutePath(variable))
        return QDir::cleanPath(variable);
    return QDir::cleanPath(home + u'/' + fallback);
}

} // namespace

ProgramFolders ProgramFolders::beside(const QString& folder) {
    return {folder, folder, folder, true};
}

ProgramFolders programFolders(const ProgramPlace& place) {
    if (!place.installed && (place.settingsFileBeside || place.folderWritable))
        return ProgramFolders::beside(place.executableFolder);

    QString home = place.home;
    QString xdgConfigHome = place.xdgConfigHome;
    QString xdgDataHome = place.xdgDataHome;
    // Root keeping another user's $HOME (sudo) would leave files in that home
    // that the user can no longer read or replace: root uses its own home
    // and ignores the other user's XDG folders.
    const bool foreignHome = place.uid == 0 && place.homeOwner != place.uid;
    if (!QDir::isAbsolutePath(home) || foreignHome) {
        home = place.accountHome;
        if (foreignHome) {
            xdgConfigHome.clear();
            xdgDataHome.clear();
        }
    }
    ProgramFolders folders;
    // Without a home folder there is nowhere to keep anything.
    if (!QDir::isAbsolutePath(home))
        return folders;
    home = QDir::cleanPath(home);
    folders.settingsFolder =
            baseFolder(xdgConfigHome, home, QStringLiteral(".config")) + u'/' + kFolderName;
    folders.dataFolder =
            baseFolder(xdgDataHome, home, QStringLiteral(".local/share")) + u'/' + kFolderName;
    folders.exportFolder = home;
    return folders;
}

bool isSystemFolder(const QString& folder) {
    const QString path = QDir::cleanPath(folder);
    static const QStringList roots = {QStringLiteral("/usr"), QStringLiteral("/opt"),
                                      QStringLiteral("/bin"), QStringLiteral("/sbin"),
                                      QStringLiteral("/snap")};
    for (const QString& root : roots) {
        if (path == root || path.startsWith(root + u'/'))
            return true;
    }
    return false;
}

ProgramPlace probeProgramPlace(const QString& executableFolder) {
    ProgramPlace place;
    place.executableFolder = executableFolder;
    place.settingsFileBeside = QFileInfo(settingsFilePath(executableFolder)).isFile();
    place.folderWritable = ::access(QFile::encodeName(executableFolder).constData(), W_OK) == 0;
    // An installation prefix holds our desktop entry beside its bin folder.
    const QString desktopEntry =
            QDir(executableFolder)
                    .filePath(QLatin1String(kDataFolderFromBinFolder) +
                              QStringLiteral("/applications/") + QLatin1String(kApplicationId) +
                              QStringLiteral(".desktop"));
    place.installed = isSystemFolder(QFileInfo(executableFolder).canonicalFilePath()) ||
                      QFileInfo(desktopEntry).isFile();
    place.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    place.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    place.home = qEnvironmentVariable("HOME");
    place.uid = ::geteuid();
    place.homeOwner = place.uid;
    struct stat homeStatus {};
    if (!place.home.isEmpty() &&
        ::stat(QFile::encodeName(place.home).constData(), &homeStatus) == 0)
        place.homeOwner = homeStatus.st_uid;
    if (const passwd* account = ::getpwuid(place.uid); account && account->pw_dir)
        place.accountHome = QFile::decodeName(account->pw_dir);
    return place;
}

bool makePrivateFolder(const QString& path) {
    QStringList missing;
    QString folder = QDir::cleanPath(path);
    while (!QFileInfo::exists(folder)) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    QDir dir;
    for (const QString& level : missing) {
        if (!dir.mkdir(level, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
    }
    return QFileInfo(path).isDir();
}
