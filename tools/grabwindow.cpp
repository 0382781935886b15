// realmdesk-grabwindow WINDOW-ID FILE.png
//
// Writes a picture of one window of the X display, named by its id as
// xdotool prints it, to a PNG file.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool isNumber = false;
    const WId window = args.size() == 3 ? args[1].toULongLong(&isNumber) : 0;
    if (!isNumber) {
        std::fprintf(stderr, "usage: realmdesk-grabwindow WINDOW-ID FILE.png\n");
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(args[2], "PNG")) {
        std::fprintf(stderr, "realmdesk-grabwindow: no picture of window %s written to %s\n",
                     qPrintable(args[1]), qPrintable(args[2]));
        return 1;
    }
    return 0;
}
