#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Управление БД Мангос."));
    window.resize(750, 550);
    window.show();
    return app.exec();
}
