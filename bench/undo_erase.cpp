// The erase of stale accounts through the real window ("Удалить все
// устаревшие аккаунты" of the account grid's menu, answered Yes), from the
// menu command to the refreshed list, with the undo script it saves first and
// without it. The runs of the two kinds alternate, each on a freshly filled
// table; medians of each kind, the script's size, and the ratio.
//
//   bench_undo_erase [--rows 100000] [--runs 5]
//
// The last line is "ratio=<with/without>".
#include "BenchSupport.h"
#include "common/QueryConventions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const QString kDatabase = QStringLiteral("bench_undo");
// Accounts that logged in lately stay, and fill the list after the erase.
constexpr int kKept = 1000;

// Stale accounts with texts of realistic length: every third user name is
// Cyrillic, some hold NULLs, a few an e-mail address written in
// Windows-1251 bytes.
void populate(bench::Session& session, int stale) {
    session.exec(QStringLiteral("TRUNCATE TABLE `%1`.account").arg(kDatabase));
    const QString insert = QStringLiteral(
            "INSERT INTO `%1`.account (id, username, sha_pass_hash, gmlevel, sessionkey, v, s, "
            "email, joindate, last_ip, failed_logins, locked, last_login, active_realm_id, "
            "expansion, locale) SELECT seq + %2, IF(seq % 3 = 0, CONCAT('ИГРОК', seq + %2), "
            "CONCAT('PLAYER', seq + %2)), UPPER(SHA1(CONCAT('PLAYER', seq, ':SECRET'))), seq % 5, "
            "IF(seq % 4 = 0, NULL, SHA2(seq, 512)), IF(seq % 4 = 0, NULL, SHA2(seq, 256)), "
            "IF(seq % 4 = 0, NULL, SHA2(seq + 1, 256)), IF(seq % 7 = 0, NULL, "
            "CONCAT('player', seq, '@example.com')), '2019-01-01 00:00:00' + INTERVAL seq "
            "MINUTE, CONCAT(seq % 223 + 1, '.', seq % 251, '.', (seq DIV 251) % 256, '.', seq "
            "% 7 + 1), seq % 4, 0, NOW() - INTERVAL %3, 0, 2, IF(seq % 2 = 0, 8, 0) FROM "
            "`%1`.seq_1_to_%4");
    session.exec(insert.arg(kDatabase, QStringLiteral("0"), QStringLiteral("(200 + seq % 300) DAY"),
                            QString::number(stale)));
    session.exec(insert.arg(kDatabase, QString::number(stale), QStringLiteral("(seq % 30) DAY"),
                            QString::number(kKept)));
}

struct Run {
    bench::Timing timing;
    qint64 scriptBytes = 0;
};

Run erase(const bench::Server& server, bench::Session& session, int stale, bool withUndo) {
    populate(session, stale);
    bench::Window window(server,
                         {{QStringLiteral("Base/realmd"), kDatabase},
                          {QStringLiteral("Account/ErasePeriod"), QStringLiteral("150")},
                          {QStringLiteral("Intreface/startpage"), QStringLiteral("Подключение")},
                          {QStringLiteral("Intreface/RecordsLimit"), QStringLiteral("Все")}});
    window.dialogs.confirmAnswer = true;
    ChangeJournal& journal = window.form().context().journal();
    journal.setUndoScripts(withUndo);
    auto* command = window.find<QAction>(QStringLiteral("N14"));
    if (!command) {
        std::fprintf(stderr, "no menu command N14\n");
        std::exit(2);
    }
    QApplication::processEvents();
    Run run;
    run.timing = bench::timeCall([&] { command->trigger(); });
    // The stale accounts are gone and the recent ones are all there.
    const QString left = session.scalar(
            QStringLiteral("SELECT CONCAT(SUM(DATEDIFF(NOW(), last_login) > 150), '/', COUNT(*)) "
                           "FROM `%1`.account")
                    .arg(kDatabase));
    if (left != QStringLiteral("0/%1").arg(kKept)) {
        std::fprintf(stderr, "after the erase: %s stale/all accounts, expected 0/%d\n",
                     qPrintable(left), kKept);
        std::exit(2);
    }
    const QStringList scripts =
            QDir(journal.folder()).entryList({QStringLiteral("undo-*.sql")}, QDir::Files);
    if (window.dialogs.errors != 0 || scripts.size() != (withUndo ? 1 : 0)) {
        std::fprintf(stderr, "%d boxes (%s), %d undo scripts\n", window.dialogs.errors,
                     qPrintable(window.dialogs.lastError), int(scripts.size()));
        std::exit(2);
    }
    if (withUndo)
        run.scriptBytes = QFileInfo(QDir(journal.folder()).filePath(scripts.first())).size();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int stale = 100000;
    int runs = 5;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--rows"))
            stale = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--runs"))
            runs = args[i + 1].toInt();
    }
    if (stale < 1 || runs < 1) {
        std::fprintf(stderr, "usage: bench_undo_erase [--rows N] [--runs R]\n");
        return 2;
    }
    const bench::Server server = bench::Server::fromEnvironment();
    bench::Session session(server);
    session.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(kDatabase));
    session.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb3").arg(kDatabase));
    session.exec(QStringLiteral("CREATE TABLE `%1`.account LIKE realmd.account").arg(kDatabase));

    std::vector<double> without;
    std::vector<double> with;
    std::vector<double> withoutCpu;
    std::vector<double> withCpu;
    qint64 scriptBytes = 0;
    for (int i = 0; i < runs; ++i) {
        for (bool withUndo : {false, true}) {
            const Run run = erase(server, session, stale, withUndo);
            (withUndo ? with : without).push_back(run.timing.wallMs);
            (withUndo ? withCpu : withoutCpu).push_back(run.timing.cpuMs);
            if (withUndo)
                scriptBytes = run.scriptBytes;
            std::printf(
                    "run=%d undo=%s wall_ms=%.1f program_cpu_ms=%.1f%s\n", i + 1,
                    withUndo ? "on" : "off", run.timing.wallMs, run.timing.cpuMs,
                    withUndo ? qPrintable(QStringLiteral(" script_bytes=%1").arg(run.scriptBytes))
                             : "");
            std::fflush(stdout);
        }
    }
    session.exec(QStringLiteral("DROP DATABASE `%1`").arg(kDatabase));
    const double withMs = bench::median(with);
    const double withoutMs = bench::median(without);
    std::printf("accounts_erased=%d without_undo_median_ms=%.1f with_undo_median_ms=%.1f "
                "program_cpu_median_ms=%.1f/%.1f script_mib=%.1f peak_memory_mib=%.1f\n",
                stale, withoutMs, withMs, bench::median(withoutCpu), bench::median(withCpu),
                double(scriptBytes) / (1024.0 * 1024.0), bench::peakMemoryMiB());
    std::printf("ratio=%.2f\n", withMs / withoutMs);
    return 0;
}
