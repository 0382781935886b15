#include "characters/CharacterEditing.h"

#include "characters/CharacterDetails.h"
#include "characters/CharacterStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "journal/UndoScope.h"

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
        connect(button, &QPushButton::clicked, this, guardedHandler(m_context, this, handler));
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

CharacterEditing::Outcome
CharacterEditing::change(const QString& operation, const QString& column,
                         const std::function<QString()>& normaliseAndBuild) {
    if (!m_context.switchDatabase(Database::Characters))
        return Outcome::NotSwitched;
    const QString statement = normaliseAndBuild();
    if (!runUndoableChange(m_context, operation,
                           stm::columnUndo(column, m_details.guidEdit()->text()), statement))
        return Outcome::Rejected;
    m_refreshList();
    return Outcome::Done;
}

void CharacterEditing::changeField(const BoxText& question, const QString& operation,
                                   const QString& column, QLineEdit* edit,
                                   QString (*normalise)(const QString& field),
                                   const FieldStatement& statement) {
    if (!confirmed(question))
        return;
    const QString before = edit->text();
    const Outcome outcome = change(operation, column, [this, edit, normalise, statement] {
        edit->setText(normalise(edit->text()));
        return statement(edit->text(), m_details.guidEdit()->text());
    });
    // A change the server did not take leaves the field as it was.
    if (outcome == Outcome::Rejected)
        edit->setText(before);
}

void CharacterEditing::rename() {
    changeField(boxes::kRenameCharacter, QStringLiteral("character-rename"), QStringLiteral("name"),
                m_details.nameEdit(), stm::normalisedName,
                [this](const QString& name, const QString& guid) {
                    return stm::rename(name, guid, m_context.quoting());
                });
}

void CharacterEditing::moveToAccount() {
    changeField(boxes::kMoveCharacter, QStringLiteral("character-account"),
                QStringLiteral("account"), m_details.accountEdit(), stm::normalisedAccount,
                stm::moveToAccount);
}

void CharacterEditing::setAtLogin() {
    // The new word is shown before anything is sent, whatever follows.
    QLineEdit* atLogin = m_details.atLoginEdit();
    const int word = stm::atLoginWord(
            toInteger(atLogin->text()), m_details.renameBox()->isChecked(),
            m_details.resetSpellsBox()->isChecked(), m_details.resetTalentsBox()->isChecked());
    const QString before = atLogin->text();
    atLogin->setText(QString::number(word));
    if (change(QStringLiteral("character-at-login"), QStringLiteral("at_login"), [this, word] {
            return stm::setAtLogin(word, m_details.guidEdit()->text());
        }) == Outcome::Rejected)
        atLogin->setText(before);
}

void CharacterEditing::swapGender() {
    changeField(boxes::kChangeGender, QStringLiteral("character-gender"), QStringLiteral("gender"),
                m_details.genderEdit(), stm::swappedGender, stm::setGender);
}

void CharacterEditing::saveMoney() {
    changeField(boxes::kChangeMoney, QStringLiteral("character-money"), QStringLiteral("money"),
                m_details.moneyEdit(), stm::normalisedMoney, stm::setMoney);
}

void CharacterEditing::saveLevel() {
    if (!confirmed(boxes::kChangeLevel))
        return;
    change(QStringLiteral("character-level"), QStringLiteral("level"), [this] {
        return stm::setLevel(m_details.levelEdit()->text(), m_details.guidEdit()->text());
    });
}
