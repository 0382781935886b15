// One details load of a character with 200 items and 500 spells (and 50
// quests): the time from the cell selection to the filled sub-pages.
//
//   bench_character_details [--runs 21]
#include "BenchSupport.h"
#include "StringGrid.h"

#include <QApplication>
#include <QTabWidget>

#include <cstdio>

namespace {

const QString kCharacters = QStringLiteral("bench_details_characters");
const QString kWorld = QStringLiteral("bench_details_world");

void populate(bench::Session& session) {
    for (const QString& database : {kCharacters, kWorld}) {
        session.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(database));
        session.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb3").arg(database));
    }
    for (const char* table :
         {"characters", "character_queststatus", "character_inventory", "character_spell"})
        session.exec(QStringLiteral("CREATE TABLE `%1`.%2 LIKE characters.%2")
                             .arg(kCharacters, QLatin1String(table)));
    for (const char* table : {"quest_template", "item_template", "locales_item"})
        session.exec(QStringLiteral("CREATE TABLE `%1`.%2 LIKE mangos.%2")
                             .arg(kWorld, QLatin1String(table)));
    session.exec(QStringLiteral("INSERT INTO `%1`.characters SELECT * FROM characters.characters "
                                "WHERE guid = 5")
                         .arg(kCharacters));
    session.exec(QStringLiteral("INSERT INTO `%1`.character_inventory SELECT 5, IF(seq > 100, "
                                "1003, 0), seq % 100, 1000 + seq, 5000 + seq FROM "
                                "characters.seq_1_to_200")
                         .arg(kCharacters));
    session.exec(QStringLiteral("INSERT INTO `%1`.item_template (entry, name) SELECT 5000 + seq, "
                                "CONCAT('Bench item ', seq) FROM characters.seq_1_to_200")
                         .arg(kWorld));
    session.exec(QStringLiteral("INSERT INTO `%1`.locales_item (entry, name_loc8) SELECT 5000 + "
                                "seq, CONCAT('Предмет ', seq) FROM characters.seq_1_to_200")
                         .arg(kWorld));
    session.exec(QStringLiteral("INSERT INTO `%1`.character_spell SELECT 5, 100 + seq, 1, 0 FROM "
                                "characters.seq_1_to_500")
                         .arg(kCharacters));
    session.exec(QStringLiteral("INSERT INTO `%1`.character_queststatus (guid, quest, status, "
                                "rewarded) SELECT 5, seq, 1, 1 FROM "
                                "characters.seq_1_to_50")
                         .arg(kCharacters));
    session.exec(QStringLiteral("INSERT INTO `%1`.quest_template (entry, Title) SELECT seq, "
                                "CONCAT('Задание ', seq) FROM characters.seq_1_to_50")
                         .arg(kWorld));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 21;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--runs"))
        runs = std::max(1, args[2].toInt());
    const bench::Server server = bench::Server::fromEnvironment();
    bench::Session session(server);
    populate(session);
    {
        bench::Window window(server, {{QStringLiteral("Base/characters"), kCharacters},
                                      {QStringLiteral("Base/mangos"), kWorld},
                                      {QStringLiteral("Intreface/startpage"),
                                       QStringLiteral("Управление героями")}});
        auto* list = window.find<StringGrid>(QStringLiteral("StringGrid3"));
        auto* items = window.find<StringGrid>(QStringLiteral("StringGrid10"));
        auto* spells = window.find<StringGrid>(QStringLiteral("StringGrid11"));
        std::vector<double> loads;
        for (int run = 0; run < runs; ++run) {
            // Every change of the selected cell loads the details again.
            loads.push_back(bench::timeMs([&] { list->selectCell(1 + run % 2, 1); }));
            if (items->rowCount() != 201 || spells->rowCount() != 501 ||
                window.dialogs.errors != 0) {
                std::fprintf(stderr, "the details show %d items, %d spells, %d boxes\n",
                             items->rowCount() - 1, spells->rowCount() - 1, window.dialogs.errors);
                return 2;
            }
        }
        std::printf("details load (200 items, 500 spells, 50 quests): median_ms=%.2f "
                    "min_ms=%.2f max_ms=%.2f runs=%d peak_memory_mib=%.1f\n",
                    bench::median(loads), *std::min_element(loads.begin(), loads.end()),
                    *std::max_element(loads.begin(), loads.end()), runs, bench::peakMemoryMiB());
    }
    for (const QString& database : {kCharacters, kWorld})
        session.exec(QStringLiteral("DROP DATABASE `%1`").arg(database));
    return 0;
}
