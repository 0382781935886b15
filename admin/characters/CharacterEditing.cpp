#include "characters/CharacterEditing.h"

#include "characters/CharacterDetails.h"
#include "characters/CharacterInGame.h"
#include "characters/CharacterStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "journal/UndoScope.h"
#include "schema/Schemas.h"

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
    return !m_details.guidEdit()->text().isEmpty() && confirm(m_context.dialogs(), question) &&
           inGameChangeAllowed();
}

bool CharacterEditing::inGameChangeAllowed() const {
    return charactersingame::confirmChange(m_context, m_details.guidEdit()->text(),
                                           m_details.characterName(), m_details.characterOnline());
}

CharacterEditing::Outcome CharacterEditing::change(
        const QString& operation, Column column,
        const std::function<QString(const schema::CharacterSchema&)>& normaliseAndBuild) {
    const schema::CharacterSchema s = m_context.schemas().characters();
    const schema::Field& field = s.characters.*column;
    if (!field.writable()) {
        m_context.dialogs().error(QString::fromUtf16(boxes::kSchemaLacksCaption),
                                  boxes::schemaLacksText(s.missingOf({s.characters.table})));
        return Outcome::Rejected;
    }
    if (!m_context.switchDatabase(Database::Characters))
        return Outcome::NotSwitched;
    const QString statement = normaliseAndBuild(s);
    if (!runUndoableChange(m_context, operation,
                           stm::columnUndo(s, field.write, m_details.guidEdit()->text()),
                           statement))
        return Outcome::Rejected;
    m_refreshList();
    return Outcome::Done;
}

void CharacterEditing::changeField(const BoxText& question, const QString& operation, Column column,
                                   QLineEdit* edit, QString (*normalise)(const QString& field),
                                   const FieldStatement& statement) {
    if (!confirmed(question))
        return;
    const QString before = edit->text();
    const Outcome outcome =
            change(operation, column, [this, edit, normalise, statement](const auto& s) {
                edit->setText(normalise(edit->text()));
                return statement(s, edit->text(), m_details.guidEdit()->text());
            });
    // A change the server did not take leaves the field as it was.
    if (outcome == Outcome::Rejected)
        edit->setText(before);
}

void CharacterEditing::rename() {
    changeField(boxes::kRenameCharacter, QStringLiteral("character-rename"),
                &schema::CharacterTable::name, m_details.nameEdit(), stm::normalisedName,
                [this](const auto& s, const QString& name, const QString& guid) {
                    return stm::rename(s, name, guid, m_context.quoting());
                });
}

void CharacterEditing::moveToAccount() {
    changeField(boxes::kMoveCharacter, QStringLiteral("character-account"),
                &schema::CharacterTable::account, m_details.accountEdit(), stm::normalisedAccount,
                [](const auto& s, const QString& account, const QString& guid) {
                    return stm::moveToAccount(s, account, guid);
                });
}

void CharacterEditing::setAtLogin() {
    // The new word is shown before anything is sent, whatever follows.
    QLineEdit* atLogin = m_details.atLoginEdit();
    const int word = stm::atLoginWord(
            m_context.schemas().characters().atLoginFlags, toInteger(atLogin->text()),
            m_details.renameBox()->isChecked(), m_details.resetSpellsBox()->isChecked(),
            m_details.resetTalentsBox()->isChecked());
    if (!inGameChangeAllowed())
        return;
    const QString before = atLogin->text();
    atLogin->setText(QString::number(word));
    if (change(QStringLiteral("character-at-login"), &schema::CharacterTable::atLogin,
               [this, word](const auto& s) {
                   return stm::setAtLogin(s, word, m_details.guidEdit()->text());
               }) == Outcome::Rejected)
        atLogin->setText(before);
}

void CharacterEditing::swapGender() {
    changeField(boxes::kChangeGender, QStringLiteral("character-gender"),
                &schema::CharacterTable::gender, m_details.genderEdit(), stm::swappedGender,
                [](const auto& s, const QString& gender, const QString& guid) {
                    return stm::setGender(s, gender, guid);
                });
}

void CharacterEditing::saveMoney() {
    changeField(boxes::kChangeMoney, QStringLiteral("character-money"),
                &schema::CharacterTable::money, m_details.moneyEdit(), stm::normalisedMoney,
                [](const auto& s, const QString& money, const QString& guid) {
                    return stm::setMoney(s, money, guid);
                });
}

void CharacterEditing::saveLevel() {
    if (!confirmed(boxes::kChangeLevel))
        return;
    change(QStringLiteral("character-level"), &schema::CharacterTable::level,
           [this](const auto& s) {
               return stm::setLevel(s, m_details.levelEdit()->text(), m_details.guidEdit()->text());
           });
}
