// The refresh of a long list, from the click on its refresh button to the
// filled grid, against the mariadb command-line client fetching the same
// select into /dev/null. Per row count: the medians of the wall and CPU times
// of several runs, the peak resident memory of the program and of the client
// (both the process's own high-water mark), and the growth from each row
// count to the next.
//
//   bench_list_refresh [--page accounts|characters] [--rows 10000,100000,1000000] [--runs 7]
//
// For the largest row count the last two lines are "memory_ratio=<program
// peak/cli peak>" and "ratio=<refresh/cli>".
#include "BenchSupport.h"
#include "StringGrid.h"
#include "accounts/AccountStatements.h"
#include "characters/CharacterStatements.h"
#include "common/RecordLimit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

namespace {

// One long list: where its rows live, how to make them, and how the window
// refreshes it.
struct PageCase {
    QString name;
    QString databaseKey; // the settings key of the list's database
    QString database;
    int pageIndex;
    QString refreshButton;
    QString grid;
    QString statement; // the select that the refresh sends
    std::function<void(bench::Session&, const QString& database, int rows)> populate;
};

void populateCharacters(bench::Session& session, const QString& database, int rows) {
    session.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database));
    session.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb3").arg(database));
    session.exec(QStringLiteral("CREATE TABLE `%1`.characters LIKE characters.characters")
                         .arg(database));
    session.exec(
            QStringLiteral(
                    "INSERT INTO `%1`.characters (guid, account, data, name, race, class, gender, "
                    "level, money, map, zone, online, at_login) SELECT seq, 1 + seq % 20000, "
                    "REPEAT('1065353216 0 ', 20), CONCAT(ELT(1 + seq % 3, 'Char', 'Перс', "
                    "'Hero'), seq), ELT(1 + seq % 10, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11), "
                    "ELT(1 + seq % 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11), seq % 2, 1 + seq % 80, "
                    "seq * 7, seq % 600, seq % 5000, seq % 50 = 0, seq % 8 FROM "
                    "characters.seq_1_to_%2")
                    .arg(database)
                    .arg(rows));
}

// Accounts with texts of realistic length: every third user name is
// Cyrillic, every tenth account never logged in.
void populateAccounts(bench::Session& session, const QString& database, int rows) {
    session.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database));
    session.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb3").arg(database));
    session.exec(QStringLiteral("CREATE TABLE `%1`.account LIKE realmd.account").arg(database));
    session.exec(QStringLiteral(
                         "INSERT INTO `%1`.account (id, username, sha_pass_hash, gmlevel, email, "
                         "joindate, last_ip, failed_logins, locked, last_login, active_realm_id, "
                         "expansion, locale) SELECT seq, IF(seq % 3 = 0, CONCAT('ИГРОК', seq), "
                         "CONCAT('PLAYER', seq)), UPPER(SHA1(CONCAT('PLAYER', seq, ':SECRET'))), "
                         "seq % 5, CONCAT('player', seq, '@example.com'), '2019-01-01 00:00:00' + "
                         "INTERVAL seq MINUTE, CONCAT(seq % 223 + 1, '.', seq % 251, '.', (seq DIV "
                         "251) % 256, '.', seq % 7 + 1), seq % 4, IF(seq % 50 = 0, 1, 0), IF(seq % "
                         "10 = 0, '0000-00-00 00:00:00', NOW() - INTERVAL (seq % 400) DAY), IF(seq "
                         "% 100 = 0, 1, 0), "
                         "2, IF(seq % 2 = 0, 8, 0) FROM realmd.seq_1_to_%2")
                         .arg(database)
                         .arg(rows));
}

QList<PageCase> pageCases() {
    namespace stm = characterstatements;
    return {
            {QStringLiteral("accounts"), QStringLiteral("Base/realmd"),
             QStringLiteral("bench_list_accounts"), 3, QStringLiteral("dxButton9"),
             QStringLiteral("StringGrid2"),
             accountsql::listStatement({}, accountsql::Sort::Id, false, recordlimit::kAll, 0),
             populateAccounts},
            {QStringLiteral("characters"), QStringLiteral("Base/characters"),
             QStringLiteral("bench_list_characters"), 2, QStringLiteral("dxButton21"),
             QStringLiteral("StringGrid3"),
             stm::listSelect() + u' ' + stm::sortFragment(stm::SortColumn::Guid),
             populateCharacters},
    };
}

bench::ChildRun runCli(const bench::Server& server, const PageCase& page) {
    return bench::runProgram(QStringLiteral("mariadb"),
                             {QStringLiteral("--no-defaults"), QStringLiteral("--batch"),
                              QStringLiteral("-h"), server.host, QStringLiteral("-P"),
                              QString::number(server.port), QStringLiteral("-u"), server.user,
                              QStringLiteral("-p") + server.password, page.database,
                              QStringLiteral("-e"), page.statement});
}

struct Figures {
    int rows = 0;
    double refreshMs = 0;
    double refreshCpuMs = 0;
    double cliMs = 0;
    double cliCpuMs = 0;
    double peakMiB = 0;
    double cliPeakMiB = 0;
};

Figures measure(const bench::Server& server, const PageCase& page, int rows, int runs) {
    bench::Session session(server);
    page.populate(session, page.database, rows);
    bench::resetPeakMemory();
    Figures figures;
    {
        bench::Window window(
                server, {{page.databaseKey, page.database},
                         {QStringLiteral("Intreface/startpage"), QStringLiteral("Подключение")},
                         {QStringLiteral("Intreface/RecordsLimit"), QStringLiteral("Все")}});
        // The page's first showing loads the list once.
        window.form().pageControl()->setCurrentIndex(page.pageIndex);
        QApplication::processEvents();
        auto* button = window.find<QAbstractButton>(page.refreshButton);
        auto* grid = window.find<StringGrid>(page.grid);
        std::vector<double> refresh;
        std::vector<double> refreshCpu;
        std::vector<double> cli;
        std::vector<double> cliCpu;
        for (int run = 0; run < runs; ++run) {
            const bench::Timing timing = bench::timeCall([&] { button->click(); });
            refresh.push_back(timing.wallMs);
            refreshCpu.push_back(timing.cpuMs);
            if (grid->rowCount() != rows + 1 || window.dialogs.errors != 0) {
                std::fprintf(stderr, "the list shows %d rows, %d boxes (%s)\n",
                             grid->rowCount() - 1, window.dialogs.errors,
                             qPrintable(window.dialogs.lastError));
                std::exit(2);
            }
            const bench::ChildRun client = runCli(server, page);
            cli.push_back(client.timing.wallMs);
            cliCpu.push_back(client.timing.cpuMs);
            figures.cliPeakMiB = std::max(figures.cliPeakMiB, client.peakMemoryMiB);
        }
        figures.rows = rows;
        figures.refreshMs = bench::median(refresh);
        figures.refreshCpuMs = bench::median(refreshCpu);
        figures.cliMs = bench::median(cli);
        figures.cliCpuMs = bench::median(cliCpu);
        figures.peakMiB = bench::peakMemoryMiB();
    }
    std::printf("page=%s rows=%d refresh_median_ms=%.1f refresh_cpu_median_ms=%.1f "
                "cli_median_ms=%.1f cli_cpu_median_ms=%.1f ratio=%.2f peak_memory_mib=%.1f "
                "cli_peak_memory_mib=%.1f memory_ratio=%.2f\n",
                qPrintable(page.name), rows, figures.refreshMs, figures.refreshCpuMs, figures.cliMs,
                figures.cliCpuMs, figures.refreshMs / figures.cliMs, figures.peakMiB,
                figures.cliPeakMiB, figures.peakMiB / figures.cliPeakMiB);
    std::fflush(stdout);
    session.exec(QStringLiteral("DROP DATABASE `%1`").arg(page.database));
    return figures;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString pageName = QStringLiteral("characters");
    QList<int> sizes = {10000, 100000, 1000000};
    int runs = 7;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--page")) {
            pageName = args[i + 1];
        } else if (args[i] == QLatin1String("--rows")) {
            sizes.clear();
            for (const QString& size : args[i + 1].split(u','))
                sizes << size.toInt();
        } else if (args[i] == QLatin1String("--runs")) {
            runs = args[i + 1].toInt();
        }
    }
    std::sort(sizes.begin(), sizes.end());
    const auto cases = pageCases();
    const auto page = std::find_if(cases.begin(), cases.end(),
                                   [&](const PageCase& c) { return c.name == pageName; });
    if (page == cases.end() || sizes.isEmpty() || runs < 1) {
        std::fprintf(stderr, "usage: bench_list_refresh [--page accounts|characters] "
                             "[--rows N,M] [--runs R]\n");
        return 2;
    }
    const bench::Server server = bench::Server::fromEnvironment();
    QList<Figures> all;
    for (int rows : sizes)
        all << measure(server, *page, rows, runs);
    for (qsizetype i = 1; i < all.size(); ++i) {
        const Figures& small = all[i - 1];
        const Figures& large = all[i];
        std::printf("growth %d -> %d: rows x%.1f, refresh x%.2f (cpu x%.2f), cli x%.2f (cpu "
                    "x%.2f), peak memory x%.2f, cli peak memory x%.2f\n",
                    small.rows, large.rows, double(large.rows) / small.rows,
                    large.refreshMs / small.refreshMs, large.refreshCpuMs / small.refreshCpuMs,
                    large.cliMs / small.cliMs, large.cliCpuMs / small.cliCpuMs,
                    large.peakMiB / small.peakMiB, large.cliPeakMiB / small.cliPeakMiB);
    }
    std::printf("memory_ratio=%.2f\n", all.last().peakMiB / all.last().cliPeakMiB);
    std::printf("ratio=%.2f\n", all.last().refreshMs / all.last().cliMs);
    return 0;
}
