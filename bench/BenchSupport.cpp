#include "BenchSupport.h"

#include "TForm1.h"
#include "uMysqlClient.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench {

Server Server::fromEnvironment() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    Server server;
    server.host = env.value(QStringLiteral("REALMDESK_TEST_HOST"));
    server.port = env.value(QStringLiteral("REALMDESK_TEST_PORT")).toInt();
    server.user = env.value(QStringLiteral("REALMDESK_TEST_USER"));
    server.password = env.value(QStringLiteral("REALMDESK_TEST_PASSWORD"));
    if (server.port <= 0) {
        std::fprintf(stderr, "no server: run through scripts/testdb --dir DIR exec\n");
        std::exit(2);
    }
    return server;
}

Session::Session(const Server& server)
    : m_client(std::make_unique<mysql::TMysqlClient>()) {
    m_client->SetHost(server.host.toStdString());
    m_client->SetPort(server.port);
    m_client->SetUser(server.user.toStdString());
    m_client->SetPassword(server.password.toStdString());
    if (!m_client->Connect()) {
        std::fprintf(stderr, "cannot connect: %s\n", m_client->ErrorText().c_str());
        std::exit(2);
    }
    exec(QStringLiteral("SET NAMES utf8"));
}

Session::~Session() = default;

void Session::exec(const QString& statement) {
    const QByteArray bytes = statement.toUtf8();
    bool ok = false;
    m_client->Query(std::string_view(bytes.constData(), size_t(bytes.size())), true, ok);
    if (!ok) {
        std::fprintf(stderr, "failed: %s\n%s\n", bytes.constData(), m_client->ErrorText().c_str());
        std::exit(2);
    }
}

QString Session::scalar(const QString& statement) {
    const QByteArray bytes = statement.toUtf8();
    bool ok = false;
    std::unique_ptr<mysql::TMysqlResult> result =
            m_client->Query(std::string_view(bytes.constData(), size_t(bytes.size())), true, ok);
    if (!ok || !result || result->RowCount() == 0) {
        std::fprintf(stderr, "failed: %s\n%s\n", bytes.constData(), m_client->ErrorText().c_str());
        std::exit(2);
    }
    result->Seek(0);
    return QString::fromUtf8(result->Value(0), qsizetype(result->ValueLength(0)));
}

void QuietDialogs::error(const QString& caption, const QString& text) {
    ++errors;
    lastError = caption + QStringLiteral(": ") + text;
}

Window::Window(const Server& server, const QMap<QString, QString>& settings)
    : m_dir(QCoreApplication::applicationDirPath() + QStringLiteral("/window-XXXXXX")) {
    if (!m_dir.isValid()) {
        std::fprintf(stderr, "cannot make the window's folder: %s\n",
                     qPrintable(m_dir.errorString()));
        std::exit(2);
    }
    QMap<QString, QString> values = {
            {QStringLiteral("server/host"), server.host},
            {QStringLiteral("server/port"), QString::number(server.port)},
            {QStringLiteral("server/user"), server.user},
            {QStringLiteral("server/password"), server.password},
            {QStringLiteral("server/autologin"), QStringLiteral("On")},
    };
    for (auto it = settings.begin(); it != settings.end(); ++it)
        values[it.key()] = it.value();
    QMap<QString, QStringList> sections;
    for (auto it = values.begin(); it != values.end(); ++it)
        sections[it.key().section(u'/', 0, 0)] << it.key().section(u'/', 1) + u'=' + it.value();
    QString text;
    for (auto it = sections.begin(); it != sections.end(); ++it)
        text += u'[' + it.key() + QStringLiteral("]\n") + it.value().join(u'\n') + u'\n';
    QFile file(m_dir.filePath(QStringLiteral("Settings.ini")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write the settings\n");
        std::exit(2);
    }
    file.close();
    TForm1::applyProgramFont();
    m_form = std::make_unique<TForm1>(m_dir.path(), dialogs);
    m_form->show();
    QApplication::processEvents();
}

Window::~Window() = default;

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

namespace {

double cpuMs(const rusage& usage) {
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double selfCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return cpuMs(usage);
}

// VmHWM of /proc/self/status in kilobytes, or -1.
long highWaterKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool peakWasReset = false;

} // namespace

double timeMs(const std::function<void()>& call) {
    return timeCall(call).wallMs;
}

Timing timeCall(const std::function<void()>& call) {
    QElapsedTimer timer;
    const double cpuBefore = selfCpuMs();
    timer.start();
    call();
    QApplication::processEvents();
    return {double(timer.nsecsElapsed()) / 1e6, selfCpuMs() - cpuBefore};
}

double peakMemoryMiB() {
    if (peakWasReset) {
        const long kib = highWaterKiB();
        if (kib >= 0)
            return double(kib) / 1024.0;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void resetPeakMemory() {
    // "5" resets the peak resident set size of the process (VmHWM).
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    peakWasReset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

ChildRun runProgram(const QString& program, const QStringList& arguments) {
    QProcess launcher;
    launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    launcher.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_child_usage"),
                   QStringList{program} + arguments);
    const bool finished = launcher.waitForFinished(-1);
    const QList<QByteArray> figures = launcher.readAllStandardOutput().trimmed().split(' ');
    if (!finished || launcher.exitStatus() != QProcess::NormalExit || launcher.exitCode() != 0 ||
        figures.size() != 3) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(2);
    }
    ChildRun run;
    run.timing = {figures[0].toDouble(), figures[1].toDouble()};
    run.peakMemoryMiB = figures[2].toDouble() / 1024.0;
    return run;
}

} // namespace bench
