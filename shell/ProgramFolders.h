#pragma once

#include <QString>

// What decides where the program keeps its files.
struct ProgramPlace {
    QString executableFolder;
    bool settingsFileBeside = false; // Settings.ini exists in executableFolder
    bool folderWritable = false;     // the user may create files in executableFolder
    // executableFolder is a system folder or the bin folder of an
    // installation prefix: the program there is installed.
    bool installed = false;
    QString xdgConfigHome;  // $XDG_CONFIG_HOME, as set
    QString xdgDataHome;    // $XDG_DATA_HOME, as set
    QString home;           // $HOME, as set
    unsigned homeOwner = 0; // owner of $HOME; the user's own id when unknown
    QString accountHome;    // the home folder of the user's account
    unsigned uid = 0;       // the user the program runs as
};

// Where the program keeps its files.
struct ProgramFolders {
    QString settingsFolder; // holds Settings.ini
    QString dataFolder;     // the program's own records (the journal and the like)
    QString exportFolder;   // where the save dialog of an export starts
    bool portable = false;  // everything beside the executable

    // A program run from its own folder: everything in that folder.
    static ProgramFolders beside(const QString& folder);
    bool operator==(const ProgramFolders&) const = default;
};

// A program that finds Settings.ini beside itself, or runs from a folder it
// can write, keeps everything there (portable use). An installed program never
// writes into its installation folder, even as root: its settings go to
// $XDG_CONFIG_HOME/realmdesk (default ~/.config), its data to
// $XDG_DATA_HOME/realmdesk (default ~/.local/share), and exports start in the
// home folder. Without a home folder all three are empty: nothing is kept.
ProgramFolders programFolders(const ProgramPlace& place);

// Folders of the system's own software (/usr, /opt, /bin, /sbin and what is
// under them), where a program is installed and never writes.
bool isSystemFolder(const QString& folder);

// Looks at the executable's folder, the environment and the user's account.
ProgramPlace probeProgramPlace(const QString& executableFolder);

// Creates the folder and any missing parent, each new one readable by its
// owner only; folders that exist keep their mode. True when the folder exists.
bool makePrivateFolder(const QString& path);
