#include "BenchSupport.h"

#include "TForm1.h"
#include "uMysqlClient.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
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

void QuietDialogs::error(const QString& caption, const QString& text) {
    ++errors;
    lastError = caption + QStringLiteral(": ") + text;
}

Window::Window(const Server& server, const QMap<QString, QString>& settings) {
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

double timeMs(const std::function<void()>& call) {
    QElapsedTimer timer;
    timer.start();
    call();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

} // namespace bench
