// Times the refresh of one long list in the real main window (offscreen):
// from the click on the list's refresh button to the filled grid.
//
//   bench_list_refresh --list accounts [--runs N]
//   bench_list_refresh --list accounts --print-statement
//
// The server comes from the environment that scripts/testdb exec hands over
// (REALMDESK_TEST_HOST, _PORT, _USER, _PASSWORD). Output: one "key=value"
// line per figure.
#include "AccountStatements.h"
#include "BusyPanel.h"
#include "DialogService.h"
#include "RecordLimit.h"
#include "StringGrid.h"
#include "TForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// One long list of the window: its page, refresh button, grid and the select
// that its refresh sends with the default choices (no filter, first sort
// column, ascending, record limit "Все").
struct ListUnderTest {
    const char* name;
    int page;
    const char* refreshButton;
    const char* grid;
    std::function<QString()> statement;
};

const ListUnderTest kLists[] = {
        {"accounts", 3, "dxButton9", "StringGrid2",
         [] {
             return accountsql::listStatement({}, accountsql::Sort::Id, false, recordlimit::kAll,
                                              0);
         }},
};

// Answers nothing and remembers whether any box came up: a box means the
// refresh failed.
class SilentDialogs : public DialogService {
public:
    bool confirm(const QString&, const QString&, Icon) override { return false; }
    void error(const QString& caption, const QString& text) override {
        std::fprintf(stderr, "error box: %s: %s\n", qPrintable(caption), qPrintable(text));
        failed = true;
    }
    void notice(const QString& text) override {
        std::fprintf(stderr, "notice box: %s\n", qPrintable(text));
    }
    QString saveFileName(const SaveFileRequest&) override { return {}; }
    bool failed = false;
};

// Counts the paintings of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A figure of /proc/self/status in kB ("VmRSS", "VmHWM"), or -1.
long statusKb(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

QByteArray settingsFile() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const auto value = [&env](const char* name) {
        return env.value(QLatin1String(name)).toUtf8();
    };
    return "[server]\nhost=" + value("REALMDESK_TEST_HOST") +
           "\nport=" + value("REALMDESK_TEST_PORT") + "\nuser=" + value("REALMDESK_TEST_USER") +
           "\npassword=" + value("REALMDESK_TEST_PASSWORD") +
           "\nautologin=On\n[Base]\nrealmd=realmd\nmangos=mangos\ncharacters=characters\n"
           "scriptdev2=scriptdev2\n[Intreface]\nstartpage=Подключение\nRecordsLimit=Все\n";
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage() {
    std::fprintf(stderr, "usage: bench_list_refresh --list NAME [--runs N] [--print-statement]\n"
                         "lists:");
    for (const ListUnderTest& list : kLists)
        std::fprintf(stderr, " %s", list.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString listName;
    int runs = 7;
    bool printStatement = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == u"--list" && i + 1 < args.size())
            listName = args[++i];
        else if (args[i] == u"--runs" && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else if (args[i] == u"--print-statement")
            printStatement = true;
        else
            return usage();
    }
    const ListUnderTest* list = nullptr;
    for (const ListUnderTest& candidate : kLists) {
        if (listName == QLatin1String(candidate.name))
            list = &candidate;
    }
    if (!list)
        return usage();
    if (printStatement) {
        std::printf("%s\n", list->statement().toUtf8().constData());
        return 0;
    }

    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Settings.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write(settingsFile()) < 0)
        return 1;
    ini.close();

    TForm1::applyProgramFont();
    SilentDialogs dialogs;
    TForm1 window(dir.path(), dialogs);
    window.show();
    app.processEvents();
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(list->refreshButton));
    auto* grid = window.findChild<StringGrid*>(QLatin1String(list->grid));
    if (!button || !grid || dialogs.failed) {
        std::fprintf(stderr, "the window did not start as expected\n");
        return 1;
    }
    const long residentBefore = statusKb("VmRSS");
    // The page's first showing loads the list once: the warm-up.
    window.pageControl()->setCurrentIndex(list->page);
    app.processEvents();

    PaintCounter busyPaints(window.busyPanel());
    std::vector<double> times;
    for (int run = 0; run < runs && !dialogs.failed; ++run) {
        const int paintsBefore = busyPaints.paints;
        QElapsedTimer timer;
        timer.start();
        button->click();
        app.processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (busyPaints.paints == paintsBefore) {
            std::fprintf(stderr, "the busy panel was not painted\n");
            return 1;
        }
    }
    if (dialogs.failed)
        return 1;
    std::printf("list=%s\n", list->name);
    std::printf("rows=%d\n", grid->rowCount() - 1);
    std::printf("runs=%d\n", runs);
    std::printf("refresh_ms=%.1f\n", median(times));
    std::printf("refresh_min_ms=%.1f\n", *std::min_element(times.begin(), times.end()));
    std::printf("refresh_max_ms=%.1f\n", *std::max_element(times.begin(), times.end()));
    std::printf("rss_before_kb=%ld\n", residentBefore);
    std::printf("rss_after_kb=%ld\n", statusKb("VmRSS"));
    std::printf("peak_rss_kb=%ld\n", statusKb("VmHWM"));
    return 0;
}
