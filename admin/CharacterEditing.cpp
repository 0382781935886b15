#include "CharacterEditing.h"

#include "CharacterDetails.h"
#include "CharacterStatements.h"
#include "MessageTexts.h"
#include "QueryConventions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace stm = characterstatements;

CharacterEditing::CharacterEditing(QueryContext& context, CharacterDetails& details,
                                   std::function<void()> refreshList, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_details(details)
    , m_refreshList(std::move(refreshList)) {
    const auto handle = [this](QPushButton* button, void (CharacterEditing::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { m_context.guarded([this, handler] { (this->*handler)(); }); });
    };
    handle(details.renameButton(), &CharacterEditing::rename);
    handle(details.moveButton(), &CharacterEditing::moveToAccount);
    handle(details.atLoginButton(), &CharacterEditing::setAtLogin);
    handle(details.genderButton(), &CharacterEditing::swapGender);
    handle(details.moneyButton(), &CharacterEditing::saveMoney);
    handle(details.levelButton(), &CharacterEditing::saveLevel);
}

bool CharacterEditing::confirmed(const BoxText& question) const {
    return !m_details.guidEdit()->text().isEmpty() && confirm(m_context.dialogs(), question);
}

void CharacterEditing::change(const std::function<QString()>& normaliseAndBuild) {
    if (!m_context.switchDatabase(Database::Characters))
        return;
    m_context.run(normaliseAndBuild());
    m_refreshList();
}

void CharacterEditing::rename() {
    if (!confirmed(boxes::kRenameCharacter))
        return;
    change([this] {
        QLineEdit* name = m_details.nameEdit();
        name->setText(stm::normalisedName(name->text()));
        return stm::rename(name->text(), m_details.guidEdit()->text());
    });
}

void CharacterEditing::moveToAccount() {
    if (!confirmed(boxes::kMoveCharacter))
        return;
    change([this] {
        QLineEdit* account = m_details.accountEdit();
        account->setText(stm::normalisedAccount(account->text()));
        return stm::moveToAccount(account->text(), m_details.guidEdit()->text());
    });
}

void CharacterEditing::setAtLogin() {
    // The new word is shown before anything is sent, whatever follows.
    QLineEdit* atLogin = m_details.atLoginEdit();
    const int word = stm::atLoginWord(
            toInteger(atLogin->text()), m_details.renameBox()->isChecked(),
            m_details.resetSpellsBox()->isChecked(), m_details.resetTalentsBox()->isChecked());
    atLogin->setText(QString::number(word));
    change([this, word] { return stm::setAtLogin(word, m_details.guidEdit()->text()); });
}

void CharacterEditing::swapGender() {
    if (!confirmed(boxes::kChangeGender))
        return;
    change([this] {
        QLineEdit* gender = m_details.genderEdit();
        gender->setText(stm::swappedGender(gender->text()));
        return stm::setGender(gender->text(), m_details.guidEdit()->text());
    });
}

void CharacterEditing::saveMoney() {
    if (!confirmed(boxes::kChangeMoney))
        return;
    change([this] {
        QLineEdit* money = m_details.moneyEdit();
        money->setText(stm::normalisedMoney(money->text()));
        return stm::setMoney(money->text(), m_details.guidEdit()->text());
    });
}

void CharacterEditing::saveLevel() {
    if (!confirmed(boxes::kChangeLevel))
        return;
    change([this] {
        return stm::setLevel(m_details.levelEdit()->text(), m_details.guidEdit()->text());
    });
}
