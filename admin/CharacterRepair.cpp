#include "CharacterRepair.h"

#include "CharacterDetails.h"
#include "CharacterStatements.h"
#include "MessageTexts.h"
#include "QueryConventions.h"
#include "WindowLinks.h"

#include <QLineEdit>
#include <QPushButton>

namespace stm = characterstatements;

CharacterRepair::CharacterRepair(QueryContext& context, WindowLinks& links,
                                 CharacterDetails& details, List list, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_links(links)
    , m_details(details)
    , m_list(std::move(list)) {
    connect(details.richButton(), &QPushButton::clicked, this,
            [this] { m_context.guarded([this] { showRich(); }); });
}

QString CharacterRepair::guid() const {
    return m_details.guidEdit()->text();
}

QString CharacterRepair::accountsDatabase() const {
    return m_context.databaseName(Database::Realmd);
}

void CharacterRepair::repair() {
    if (guid().isEmpty())
        return;
    if (!m_context.switchDatabase(Database::Characters, QueryContext::UseForm::WithSemicolon,
                                  QueryContext::SetNames::Skip))
        return;
    // Every statement is sent whatever became of the others.
    int failures = 0;
    for (const QString& statement : stm::repair(guid())) {
        if (!m_context.run(statement))
            ++failures;
    }
    showError(m_context.dialogs(), failures > 0 ? boxes::kRepairFailed : boxes::kRepairSent);
}

void CharacterRepair::resetQuestChain() {
    if (guid().isEmpty() || !confirm(m_context.dialogs(), boxes::kResetQuestChain))
        return;
    if (!m_context.switchDatabase(Database::Characters))
        return;
    m_context.run(stm::questChainReset(guid()));
    m_list.refresh();
}

void CharacterRepair::showWithoutAccount() {
    m_list.showFiltered(stm::withoutAccountFilter(accountsDatabase()));
}

void CharacterRepair::deleteWithoutAccount() {
    if (!confirm(m_context.dialogs(), boxes::kDeleteCharactersWithoutAccount))
        return;
    if (!m_context.switchDatabase(Database::Characters))
        return;
    m_context.run(stm::deleteWithoutAccount(accountsDatabase()));
    m_list.refresh();
}

void CharacterRepair::moveWithoutAccount() {
    const QString serviceAccount = m_links.adminAccount();
    if (!stm::serviceAccountSet(serviceAccount))
        return;
    if (!confirm(m_context.dialogs(), boxes::kMoveCharactersWithoutAccount))
        return;
    if (!m_context.switchDatabase(Database::Characters))
        return;
    m_context.run(stm::moveWithoutAccount(serviceAccount, accountsDatabase()));
    m_list.refresh();
}

void CharacterRepair::showOnline() {
    m_list.showFiltered(stm::onlineFilter());
}

void CharacterRepair::showRich() {
    m_list.showFiltered(stm::richFilter(m_links.cheatMoney()));
}
