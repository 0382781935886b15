// What reading the assigned databases' schemas costs: for each family's
// three databases, the time from the assignment to the known family, and the
// statements it took (the server's own count of the session's queries,
// before and after). Medians of several runs.
//
//   bench_schema_detection [--runs 20]
#include "BenchSupport.h"
#include "TForm1.h"
#include "common/QueryConventions.h"
#include "schema/Schemas.h"
#include "uMysqlClient.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct FamilyDatabases {
    const char* family;
    const char* login;
    const char* characters;
    const char* world;
};

constexpr FamilyDatabases kFamilies[] = {
        {"2010", "realmd", "characters", "mangos"},
        {"rel2x", "zero_realmd", "zero_characters", "zero_mangos"},
        {"cmangos", "wotlkrealmd", "wotlkcharacters", "wotlkmangos"},
        {"vmangos", "vm_realmd", "vm_characters", "vm_mangos"},
        {"trinitycore", "tc_auth", "tc_characters", "tc_world"},
        {"azerothcore", "acore_auth", "acore_characters", "acore_world"},
};

// The queries the window's session has sent so far, by the server's count.
long queriesSoFar(QueryContext& context) {
    QString error;
    const auto result =
            context.read(QStringLiteral("SHOW SESSION STATUS LIKE 'Questions'"), &error);
    if (!result || result->RowCount() == 0) {
        std::fprintf(stderr, "cannot read the session's count: %s\n", qPrintable(error));
        std::exit(2);
    }
    result->Seek(0);
    return QString::fromUtf8(result->Value(1)).toLong();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 20;
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--runs"))
        runs = std::max(1, args[2].toInt());
    const bench::Server server = bench::Server::fromEnvironment();
    for (const FamilyDatabases& family : kFamilies) {
        bench::Window window(
                server, {{QStringLiteral("Base/realmd"), QLatin1String(family.login)},
                         {QStringLiteral("Base/characters"), QLatin1String(family.characters)},
                         {QStringLiteral("Base/mangos"), QLatin1String(family.world)},
                         {QStringLiteral("Intreface/startpage"), QStringLiteral("Подключение")}});
        QueryContext& context = window.form().context();
        std::vector<double> ms;
        long statements = 0;
        for (int run = 0; run < runs; ++run) {
            context.schemas().forget();
            const long before = queriesSoFar(context);
            ms.push_back(bench::timeMs([&] {
                for (const schema::Role role :
                     {schema::Role::Login, schema::Role::Characters, schema::Role::World})
                    context.schemas().assigned(role);
            }));
            // The count read itself is one question.
            statements = queriesSoFar(context) - before - 1;
        }
        std::printf("family=%s databases=3 statements=%ld median_ms=%.2f per_database_ms=%.2f\n",
                    family.family, statements, bench::median(ms), bench::median(ms) / 3);
    }
    return 0;
}
