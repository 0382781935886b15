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
    // The first value of the first row of a select, as text.
    QString scalar(const QString& statement);

private:
    std::unique_ptr<mysql::TMysqlClient> m_client;
};

// Answers every box with No (or Yes, when told) and counts the error boxes.
class QuietDialogs : public DialogService {
public:
    using DialogService::confirm;
    bool confirm(const QString&, const QString&, Icon, Default) override { return confirmAnswer; }
    bool confirmAnswer = false;
    void error(const QString& caption, const QString& text) override;
    void notice(const QString&) override {}
    QString saveFileName(const SaveFileRequest&) override { return {}; }
    bool openFolder(const QString&) override { return false; }
    QString openFileName(const OpenFileRequest&) override { return {}; }
    std::optional<QString> askText(const TextRequest&) override { return std::nullopt; }
    int errors = 0;
    QString lastError;
};

// The real main window, offscreen, in a temporary directory whose
// Settings.ini connects to the server (keys "section/key"). The directory is
// made beside the benchmark's program, on disk: the program's data folder
// (journal, undo scripts) is there, as for a program run from its folder.
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

// Wall and CPU (user + system) milliseconds of one call, with the events it
// leaves processed.
struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};
Timing timeCall(const std::function<void()>& call);

// The peak resident memory of this process, in MiB: since the last
// resetPeakMemory, where the system allows the reset, else since the start.
double peakMemoryMiB();
void resetPeakMemory();

// One run of another program with its output sent to /dev/null: its wall
// and CPU milliseconds and its own peak resident memory, measured by
// bench_child_usage beside this benchmark. Exits with a message when it cannot
// be started or ends with a failure.
struct ChildRun {
    Timing timing;
    double peakMemoryMiB = 0;
};
ChildRun runProgram(const QString& program, const QStringList& arguments);

} // namespace bench

#include "TForm1.h"

template <class T>
T* bench::Window::find(const QString& name) const {
    return m_form->findChild<T*>(name);
}
