#include "DialogService.h"
#include "ProgramFolders.h"
#include "ProgramInfo.h"
#include "QtKeychainStore.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    TForm1::applyProgramFont();

    QtDialogService dialogs;
    // Beside the program when it runs from its own folder, else in the
    // user's XDG folders.
    const ProgramFolders folders =
            programFolders(probeProgramPlace(QCoreApplication::applicationDirPath()));
    QtKeychainStore keychain;
    TForm1 window(folders, dialogs, keychain);
    dialogs.setOwner(&window);
    window.show();
    return app.exec();
}
