#pragma once

#include "characters/CharacterStatements.h"

#include <QObject>

#include <functional>
#include <optional>

class CharacterDetails;
namespace schema {
struct WorldSchema;
}
class QueryContext;
class WindowLinks;

// The maintenance operations of the character page: the "Анти ERROR" repair
// of the loaded character, the reset of the "Перехват" quest chain, the
// characters whose account no longer exists (shown, deleted, moved to the
// service account), and the online and rich characters.
class CharacterRepair : public QObject {
    Q_OBJECT

public:
    // What the operations need of the character list.
    struct List {
        std::function<void()> refresh;
        // The filter replaces the character filter, then the list refreshes.
        std::function<void(const QString& filter)> showFiltered;
    };

    CharacterRepair(QueryContext& context, WindowLinks& links, CharacterDetails& details, List list,
                    QObject* parent = nullptr);

    void repair();
    void resetQuestChain();
    void showWithoutAccount();
    void deleteWithoutAccount();
    void moveWithoutAccount();
    void showOnline();
    void showRich();

private:
    QString guid() const;
    // The question for a character in the game.
    bool inGameChangeAllowed() const;
    // Runs a select of the guids of characters in the game and asks about
    // them, if any.
    bool inGameChangeOfManyAllowed(const QString& onlineSelect);
    // False, after a box that names them, when columns are lacking.
    bool schemaAllows(const QStringList& lacking) const;
    // The quests of the chain, found in the world database; none (after a
    // box) when they cannot be read.
    std::optional<QStringList> questChain(const schema::WorldSchema& w);
    QString accountsDatabase() const;
    // The tables of the current result of characterstatements::tableColumns.
    QList<characterstatements::TableInfo> tablesOfResult() const;
    // Deletes the characters' rows from the targets, reports the rows removed
    // per table, or what a failure part way left behind.
    void removeCharacters(const QStringList& guids,
                          const QList<characterstatements::CleanupTarget>& targets);

    QueryContext& m_context;
    WindowLinks& m_links;
    CharacterDetails& m_details;
    List m_list;
};
