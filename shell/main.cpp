#include "DialogService.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TForm1::applyProgramFont();

    QtDialogService dialogs;
    // Settings.ini lives in the program's own directory.
    TForm1 window(QCoreApplication::applicationDirPath(), dialogs);
    dialogs.setOwner(&window);
    window.show();
    return app.exec();
}
