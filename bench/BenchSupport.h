#pragma once

// What the benchmarks share: the server of the run, a session for preparing
// data, the real main window started offscreen, timing and memory figures.
#include "DialogService.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

class TForm1;
namespace mysql {
class TMysqlClient;
}

namespace bench {

// The server that scripts/testdb exec hands over in the environment.
struct Server {
    QString host;
    int port = 0;
    QString user;
    QString password;
    static Server fromEnvironment(); // exits with a message when there is none
};

// A session for preparing the data; every failure ends the program.
class Session {
public:
    explicit Session(const Server& server);
    ~Session();
    void exec(const QString& statement);

private:
    std::unique_ptr<mysql::TMysqlClient> m_client;
};

// Answers every box with No and counts the error boxes.
class QuietDialogs : public DialogService {
public:
    bool confirm(const QString&, const QString&, Icon) override { return false; }
    void error(const QString& caption, const QString& text) override;
    void notice(const QString&) override {}
    QString saveFileName(const SaveFileRequest&) override { return {}; }
    QString openFileName(const OpenFileRequest&) override { return {}; }
    int errors = 0;
    QString lastError;
};

// The real main window, offscreen, in a temporary directory whose
// Settings.ini connects to the server (keys "section/key").
class Window {
public:
    Window(const Server& server, const QMap<QString, QString>& settings);
    ~Window();
    TForm1& form() { return *m_form; }
    template <class T>
    T* find(const QString& name) const;
    QuietDialogs dialogs;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TForm1> m_form;
};

double median(std::vector<double> values);
// Milliseconds that the call takes, with the events it leaves (painting)
// processed.
double timeMs(const std::function<void()>& call);
// The peak resident memory of this process so far, in MiB.
double peakMemoryMiB();

} // namespace bench

#include "TForm1.h"

template <class T>
T* bench::Window::find(const QString& name) const {
    return m_form->findChild<T*>(name);
}
