// One details load of a character with 200 items and 500 spells (and 50
// quests): the time from the cell selection to the filled sub-pages, on the
// tables of every schema family. One line per family, with its ratio to the
// 2010 figure; the run fails when a family takes more than twice as long.
//
//   bench_character_details [--runs 21]
#include "BenchSupport.h"
#include "StringGrid.h"

#include <QApplication>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const QString kCharacters = QStringLiteral("bench_details_characters");
const QString kWorld = QStringLiteral("bench_details_world");

// A family's databases and how its character gets 200 items (one bag of
// them), 500 spells and 50 quests, half of them rewarded. %1 is the bench's
// characters database, %2 its world database, %3 the family's characters
// database; the character is guid 5 (2010) or 1.
struct Family {
    const char* name;
    const char* characters;
    const char* world;
    const char* guid;
    QStringList populate;
};

// Inventory rows: 100 in the character's own slots, 100 in bag 1003.
const QString kItemSlots = QStringLiteral("IF(seq > 100, 1003, 0), seq % 100, 1000 + seq");

QList<Family> families() {
    const QString character = QStringLiteral(
            "INSERT INTO `%1`.characters SELECT * FROM `%3`.characters WHERE guid = ");
    const QString items = QStringLiteral("INSERT INTO `%2`.item_template (entry, name) SELECT 5000 "
                                         "+ seq, CONCAT('Bench item ', seq) FROM seq_1_to_200");
    const QString localeColumns =
            QStringLiteral("INSERT INTO `%2`.locales_item (entry, name_loc8) SELECT 5000 + seq, "
                           "CONCAT('Предмет ', seq) FROM seq_1_to_200");
    const QString localeRows = QStringLiteral(
            "INSERT INTO `%2`.item_template_locale (ID, locale, Name) SELECT 5000 + seq, 'ruRU', "
            "CONCAT('Предмет ', seq) FROM seq_1_to_200");
    const QString activeSpells = QStringLiteral("INSERT INTO `%1`.character_spell (guid, spell, "
                                                "active, disabled) SELECT %4, 100 + seq, 1, 0 "
                                                "FROM seq_1_to_500");
    const QString questsWithRewarded = QStringLiteral(
            "INSERT INTO `%1`.character_queststatus (guid, quest, status, rewarded) SELECT %4, "
            "seq, 1, seq % 2 FROM seq_1_to_50");
    const QString titles = QStringLiteral("INSERT INTO `%2`.quest_template (entry, Title) SELECT "
                                          "seq, CONCAT('Задание ', seq) FROM seq_1_to_50");
    const QString inventoryOfTemplates =
            QStringLiteral("INSERT INTO `%1`.character_inventory (guid, bag, slot, item, "
                           "item_template) SELECT "
                           "%4, ") +
            kItemSlots + QStringLiteral(", 5000 + seq FROM seq_1_to_200");
    const QString inventoryOfInstances =
            QStringLiteral(
                    "INSERT INTO `%1`.character_inventory (guid, bag, slot, item) SELECT %4, ") +
            kItemSlots + QStringLiteral(" FROM seq_1_to_200");
    const QString instances = QStringLiteral(
            "INSERT INTO `%1`.item_instance (guid, owner_guid, itemEntry, charges, enchantments) "
            "SELECT 1000 + seq, %4, 5000 + seq, '', '' FROM seq_1_to_200");
    const QString trinityQuests = QStringLiteral(
            "INSERT INTO `%1`.character_queststatus (guid, quest, status) SELECT %4, seq, 3 FROM "
            "seq_1_to_50 WHERE seq % 2 = 0");
    const QString trinityRewarded =
            QStringLiteral("INSERT INTO `%1`.character_queststatus_rewarded (guid, quest) SELECT "
                           "%4, seq FROM seq_1_to_50 WHERE seq % 2 = 1");
    const QString trinityTitles = QStringLiteral(
            "INSERT INTO `%2`.quest_template (ID, LogTitle) SELECT seq, CONCAT('Задание ', seq) "
            "FROM seq_1_to_50");
    const QString trinityChains = QStringLiteral(
            "INSERT INTO `%2`.quest_template_addon (ID, PrevQuestID) SELECT seq, seq - 1 FROM "
            "seq_1_to_50");
    return {
            {"2010",
             "characters",
             "mangos",
             "5",
             {character + "5", inventoryOfTemplates, items, localeColumns, activeSpells,
              questsWithRewarded, titles}},
            {"rel2x",
             "zero_characters",
             "zero_mangos",
             "1",
             {character + "1", inventoryOfTemplates, items, localeColumns, activeSpells,
              questsWithRewarded, titles}},
            {"cmangos",
             "wotlkcharacters",
             "wotlkmangos",
             "1",
             {character + "1",
              // cmangos keeps the entry in the inventory too.
              inventoryOfTemplates, instances, items, localeColumns, activeSpells,
              questsWithRewarded, titles}},
            {"vmangos",
             "vm_characters",
             "vm_mangos",
             "1",
             {character + "1",
              QStringLiteral("INSERT INTO `%1`.character_inventory (guid, bag, slot, item_guid, "
                             "item_id) SELECT %4, ") +
                      kItemSlots + QStringLiteral(", 5000 + seq FROM seq_1_to_200"),
              // Every other template and quest in two content patches.
              QStringLiteral("INSERT INTO `%2`.item_template (entry, patch, name) SELECT 5000 + "
                             "seq, 0, CONCAT('Bench item ', seq) FROM seq_1_to_200"),
              QStringLiteral("INSERT INTO `%2`.item_template (entry, patch, name) SELECT 5000 + "
                             "seq, 7, CONCAT('Bench item ', seq, ' (1.9)') FROM seq_1_to_200 "
                             "WHERE seq % 2 = 0"),
              localeColumns, activeSpells, questsWithRewarded,
              QStringLiteral("INSERT INTO `%2`.quest_template (entry, patch, Title) SELECT seq, "
                             "0, CONCAT('Задание ', seq) FROM seq_1_to_50"),
              QStringLiteral("INSERT INTO `%2`.quest_template (entry, patch, Title) SELECT seq, "
                             "7, CONCAT('Задание ', seq, ' (1.9)') FROM seq_1_to_50 WHERE seq % "
                             "2 = 0")}},
            {"trinitycore",
             "tc_characters",
             "tc_world",
             "1",
             {character + "1", inventoryOfInstances,
              QStringLiteral("INSERT INTO `%1`.item_instance (guid, owner_guid, itemEntry, "
                             "enchantments) SELECT 1000 + seq, %4, 5000 + seq, '' FROM "
                             "seq_1_to_200"),
              items, localeRows, activeSpells, trinityQuests, trinityRewarded, trinityTitles,
              trinityChains}},
            {"azerothcore",
             "acore_characters",
             "acore_world",
             "1",
             {character + "1", inventoryOfInstances,
              QStringLiteral("INSERT INTO `%1`.item_instance (guid, owner_guid, itemEntry, "
                             "enchantments) SELECT 1000 + seq, %4, 5000 + seq, '' FROM "
                             "seq_1_to_200"),
              items, localeRows,
              QStringLiteral("INSERT INTO `%1`.character_spell (guid, spell, specMask) SELECT "
                             "%4, 100 + seq, 255 FROM seq_1_to_500"),
              trinityQuests, trinityRewarded, trinityTitles, trinityChains}},
    };
}

// Empty copies of every table of the family's two databases (so that the
// program finds the family in them), then the character's rows.
void populate(bench::Session& session, const Family& family) {
    const std::pair<QString, QString> databases[] = {
            {kCharacters, QLatin1String(family.characters)}, {kWorld, QLatin1String(family.world)}};
    for (const auto& [copy, source] : databases) {
        session.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(copy));
        session.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb3").arg(copy));
        const QStringList tables =
                session.scalar(QStringLiteral("SELECT GROUP_CONCAT(TABLE_NAME SEPARATOR ' ') "
                                              "FROM information_schema.TABLES WHERE "
                                              "TABLE_SCHEMA = '%1' AND TABLE_TYPE = 'BASE TABLE'")
                                       .arg(source))
                        .split(u' ', Qt::SkipEmptyParts);
        for (const QString& table : tables)
            session.exec(QStringLiteral("CREATE TABLE `%1`.`%2` LIKE `%3`.`%2`")
                                 .arg(copy, table, source));
    }
    session.exec(QStringLiteral("USE characters"));
    for (const QString& statement : family.populate)
        session.exec(QString(statement)
                             .replace(QStringLiteral("%1"), kCharacters)
                             .replace(QStringLiteral("%2"), kWorld)
                             .replace(QStringLiteral("%3"), QLatin1String(family.characters))
                             .replace(QStringLiteral("%4"), QLatin1String(family.guid)));
}

struct Figures {
    double median = 0;
    double min = 0;
    double max = 0;
};

// The loads of the details, or none (after a message) when the page does
// not show the character's rows.
std::optional<Figures> measure(const bench::Server& server, int runs) {
    bench::Window window(server, {{QStringLiteral("Base/characters"), kCharacters},
                                  {QStringLiteral("Base/mangos"), kWorld},
                                  {QStringLiteral("Intreface/startpage"),
                                   QStringLiteral("Управление героями")}});
    auto* list = window.find<StringGrid>(QStringLiteral("StringGrid3"));
    auto* items = window.find<StringGrid>(QStringLiteral("StringGrid10"));
    auto* spells = window.find<StringGrid>(QStringLiteral("StringGrid11"));
    auto* quests = window.find<StringGrid>(QStringLiteral("StringGrid9"));
    std::vector<double> loads;
    for (int run = 0; run < runs; ++run) {
        // Every change of the selected cell loads the details again.
        loads.push_back(bench::timeMs([&] { list->selectCell(1 + run % 2, 1); }));
        if (items->rowCount() != 201 || spells->rowCount() != 501 || quests->rowCount() != 51 ||
            window.dialogs.errors != 0) {
            std::fprintf(stderr, "the details show %d items, %d spells, %d quests, %d boxes %s\n",
                         items->rowCount() - 1, spells->rowCount() - 1, quests->rowCount() - 1,
                         window.dialogs.errors, qPrintable(window.dialogs.lastError));
            return std::nullopt;
        }
    }
    return Figures{bench::median(loads), *std::min_element(loads.begin(), loads.end()),
                   *std::max_element(loads.begin(), loads.end())};
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
    session.exec(QStringLiteral("SET SESSION group_concat_max_len = 65536"));
    double reference = 0;
    bool withinTwice = true;
    for (const Family& family : families()) {
        populate(session, family);
        bench::resetPeakMemory();
        const std::optional<Figures> figures = measure(server, runs);
        if (!figures)
            return 2;
        if (reference == 0)
            reference = figures->median;
        const double ratio = figures->median / reference;
        withinTwice = withinTwice && ratio <= 2.0;
        std::printf("details load %-11s (200 items, 500 spells, 50 quests): median_ms=%.2f "
                    "min_ms=%.2f max_ms=%.2f runs=%d ratio_to_2010=%.2f peak_memory_mib=%.1f\n",
                    family.name, figures->median, figures->min, figures->max, runs, ratio,
                    bench::peakMemoryMiB());
        std::fflush(stdout);
    }
    for (const QString& database : {kCharacters, kWorld})
        session.exec(QStringLiteral("DROP DATABASE `%1`").arg(database));
    if (!withinTwice) {
        std::fprintf(stderr, "a family takes more than twice the 2010 time\n");
        return 1;
    }
    return 0;
}
