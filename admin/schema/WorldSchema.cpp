#include "schema/WorldSchema.h"

namespace schema {

namespace {

WorldSchema describe(Family family) {
    WorldSchema s;
    s.family = family;
    QuestTemplateSchema& q = s.quests;
    ItemTemplateSchema& i = s.items;
    switch (family) {
    case Family::Mangos2010:
    case Family::Unknown:
        q.knownChain = QStringList{"1718", "1719", "1712", "1713", "1791", "1792"};
        break;
    case Family::Rel2x:
    case Family::Cmangos:
        break;
    case Family::Vmangos:
        q.patch = QStringLiteral("patch");
        i.patch = QStringLiteral("patch");
        break;
    case Family::TrinityCore:
    case Family::AzerothCore:
        q.key = QStringLiteral("ID");
        q.title = QStringLiteral("LogTitle");
        q.nextInChain = QStringLiteral("RewardNextQuest");
        q.chainTable = QStringLiteral("quest_template_addon");
        q.chainKey = QStringLiteral("ID");
        q.nextQuest = QStringLiteral("NextQuestID");
        q.prevQuest = QStringLiteral("PrevQuestID");
        i.localeTable = QStringLiteral("item_template_locale");
        i.localeKey = QStringLiteral("ID");
        i.localeColumnPrefix.clear();
        i.localeNameColumn = QStringLiteral("locale");
        i.localeTextColumn = QStringLiteral("Name");
        break;
    }
    return s;
}

QStringList marks(const QString& table, const QStringList& columns) {
    QStringList list;
    for (const QString& column : columns) {
        if (!column.isEmpty())
            list << table + u'.' + column;
    }
    return list;
}

} // namespace

QString localeName(int localeNumber) {
    static const char* const names[] = {"koKR", "frFR", "deDE", "zhCN",
                                        "zhTW", "esES", "esMX", "ruRU"};
    if (localeNumber < 1 || localeNumber > 8)
        return {};
    return QLatin1String(names[localeNumber - 1]);
}

WorldSchema worldSchema(Family family, const Catalog& catalog) {
    WorldSchema s = describe(family);
    if (catalog.isEmpty())
        return s;
    const QuestTemplateSchema& q = s.quests;
    const ItemTemplateSchema& i = s.items;
    QStringList quests = marks(q.table, {q.key, q.title, q.patch, q.nextInChain});
    quests << marks(q.chainTableName(),
                    {q.chainKeyName(), q.nextQuest, q.prevQuest, q.exclusiveGroup});
    const QStringList items = marks(i.table, {i.key, i.name, i.patch});
    // The locale column a setting names is checked when it is used.
    const QStringList locales =
            marks(i.localeTable, {i.localeKey, i.localeNameColumn, i.localeTextColumn});
    const struct {
        bool* present;
        QStringList needs;
    } parts[] = {{&s.quests.present, quests},
                 {&s.items.present, items},
                 {&s.items.localesPresent, locales}};
    for (const auto& part : parts) {
        for (const QString& mark : part.needs) {
            if (catalog.hasColumn(mark.section(u'.', 0, 0), mark.section(u'.', 1)))
                continue;
            *part.present = false;
            if (!s.missing.contains(mark))
                s.missing << mark;
        }
    }
    return s;
}

} // namespace schema
