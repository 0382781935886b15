#pragma once

#include "DialogService.h"

#include <QString>
#include <QStringList>

// The program's confirmation and error boxes: caption, text and icon, exactly
// as the administrator sees them. Two-line texts are joined by CR LF.
struct BoxText {
    const char16_t* caption;
    const char16_t* text;
    DialogService::Icon icon = DialogService::Icon::None;
    DialogService::Default byDefault = DialogService::Default::Yes;

    QString captionText() const { return QString::fromUtf16(caption); }
    QString bodyText() const { return QString::fromUtf16(text); }
};

// Asks a confirmation; true only when the answer is Yes.
inline bool confirm(DialogService& dialogs, const BoxText& box) {
    return dialogs.confirm(box.captionText(), box.bodyText(), box.icon, box.byDefault);
}

// Shows an error box.
inline void showError(DialogService& dialogs, const BoxText& box) {
    dialogs.error(box.captionText(), box.bodyText());
}

namespace boxes {

using Icon = DialogService::Icon;

// Confirmations.
inline constexpr BoxText kDeleteBroadcast{
        u"Удаление", u"Вы действительно хотите удалить это объявление?", Icon::Question};
inline constexpr BoxText kDeleteRealm{u"Удаление", u"Вы действительно хотите удалить этот realm?",
                                      Icon::Question};
inline constexpr BoxText kDeleteAccount{
        u"Удаление аккаунта", u"Вы действительно хотите удалить этот аккаунт?", Icon::Question};
inline constexpr BoxText kSetPassword{u"Смена пароля", u"Вы действительно хотите сменить пароль?",
                                      Icon::Question};
inline constexpr BoxText kResetSessionKey{
        u"Смена пароля", u"Вы действительно хотите сбросить ключ сессии?", Icon::Question};
inline constexpr BoxText kRenameCharacter{u"Переименование персонажа",
                                          u"Вы действительно хотите сменить имя этого персонажа?"};
inline constexpr BoxText kMoveCharacter{
        u"Перенос персонажа", u"Вы действительно хотите сменить аккаунт у этого персонажа?"};
inline constexpr BoxText kChangeGender{u"Редактирование персонажа",
                                       u"Вы действительно хотите сменить пол у этого персонажа?"};
inline constexpr BoxText kChangeMoney{
        u"Редактирование персонажа",
        u"Вы действительно хотите изменить количество денег у этого персонажа?"};
inline constexpr BoxText kChangeLevel{u"Редактирование персонажа",
                                      u"Вы действительно хотите сменить уровень у персонажа?"};
inline constexpr BoxText kResetQuestChain{
        u"Редактирование персонажа",
        u"Вы действительно хотите позволить выполнить персонажу квесты на \"перехват\" ещё раз?"};
inline constexpr BoxText kDeleteCharactersWithoutAccount{
        u"Чистка базы", u"Вы действительно хотите удалить персонажей, БЕЗ аккаунтов?"};
inline constexpr BoxText kMoveCharactersWithoutAccount{
        u"Чистка базы",
        u"Вы действительно хотите переместить персонажей, БЕЗ аккаунтов на \"служебный аккаунт\"?"};

// The question before deleting the characters without accounts, with how
// many will go.
inline QString deleteCharactersWithoutAccountQuestion(int count) {
    return QString::fromUtf16(kDeleteCharactersWithoutAccount.text) +
           QStringLiteral("\r\nБудет удалено персонажей: ") + QString::number(count) +
           QLatin1Char('.');
}

// The stale-account question carries the age in days.
inline QString deleteStaleAccountsQuestion(const QString& days) {
    return QStringLiteral("Вы действительно хотите удалить аккаунты, которые не использовались ") +
           days + QStringLiteral(" дней?");
}
inline constexpr const char16_t* kDeleteStaleAccountsCaption = u"Чистка базы";

// Error boxes.
inline constexpr BoxText kAccountsNotFound{u"Результат поиска", u"Данные не найдены!"};
inline constexpr BoxText kAccountsFailed{u"Результат поиска",
                                         u"Ошибка выполнения запроса!\r\nПовторите операция."};
inline constexpr BoxText kCharactersNotFound{u"Результат поиска", u"Данные не найдены!"};
inline constexpr BoxText kCharactersFailed{u"Результат поиска",
                                           u"Ошибка получения данных!\r\nПовторите запрос."};
inline constexpr BoxText kRepairSent{u"Результат действия.", u"Анти-ERROR запрос отослан!"};
inline constexpr BoxText kRepairFailed{u"Результат действия.", u"ОШИБКА ВЫПОЛНЕНИЯ Анти-ERROR !"};

// A change statement that did not go through: the server's message follows
// the text.
inline constexpr const char16_t* kChangeFailedCaption = u"Ошибка изменения данных";
inline QString changeFailedText(const QString& serverMessage) {
    return QStringLiteral("Сервер не подтвердил изменение:\r\n") + serverMessage;
}

// "Установить" for an account that is no longer stored.
inline constexpr const char16_t* kAccountGone = u"Аккаунт с этим id не найден.";

// "Сохранить" with a new user name but no new password.
inline constexpr BoxText kRenameNeedsPassword{
        u"Переименование аккаунта",
        u"Новому имени нужен новый пароль: введите его в поле \"Новый пароль\" и нажмите "
        u"\"Сохранить\" ещё раз. Ничего не сохранено."};

// The characters without accounts: nothing to delete, the rows removed, and
// a clean-up that failed part way.
inline constexpr const char16_t* kCleanupCaption = u"Чистка базы";
inline constexpr const char16_t* kNoCharactersWithoutAccount = u"Персонажей без аккаунтов нет.";
inline constexpr const char16_t* kCleanupLookupFailed =
        u"Персонажи без аккаунтов не удалены: не удалось их найти.";
inline constexpr const char16_t* kCleanupDone = u"Удалено строк по таблицам:";
inline constexpr const char16_t* kCleanupFailed =
        u"Чистка базы не завершена: сервер не подтвердил удаление.";
inline constexpr const char16_t* kCleanupRolledBack =
        u"Удаления из таблиц с транзакциями отменены.";
inline constexpr const char16_t* kCleanupKept = u"Уже удалено (отменить нельзя):";

// A change of a character the game server has in the game: the server
// writes its own copy back when it saves the character, so the change would
// be lost. No is the answer for Enter.
inline constexpr const char16_t* kCharacterInGameCaption = u"Персонаж в игре";
inline QString characterInGameQuestion(const QString& name) {
    return QStringLiteral("Персонаж \"") + name +
           QStringLiteral("\" сейчас в игре. Игровой сервер запишет свою копию персонажа поверх "
                          "этого изменения, когда сохранит его (при очередном сохранении или при "
                          "выходе из игры).\r\nВсё равно изменить?");
}
inline QString charactersInGameQuestion(int count) {
    return QStringLiteral("Персонажей в игре среди них: ") + QString::number(count) +
           QStringLiteral(". Игровой сервер запишет свои копии этих персонажей поверх изменения, "
                          "когда сохранит их.\r\nВсё равно изменить?");
}

// The quest chain reset could not read the chain from the world database.
inline constexpr const char16_t* kQuestChainCaption = u"Редактирование персонажа";
inline constexpr const char16_t* kQuestChainUnread =
        u"Цепочка квестов не сброшена: не удалось прочитать её в базе мира.";
// Whether the characters of a change are in the game could not be read.
inline constexpr const char16_t* kInGameUnread =
        u"Ничего не изменено: не удалось узнать, кто из персонажей в игре.";

// A change the schema of the database does not allow to make safely: the
// tables and columns it lacks are named.
inline constexpr const char16_t* kSchemaLacksCaption = u"Изменение невозможно";
inline QString schemaLacksText(const QStringList& missing) {
    return QStringLiteral("В базе нет столбцов, без которых это изменение нельзя сделать "
                          "безопасно: ") +
           missing.join(QStringLiteral(", ")) + QStringLiteral(".\r\nНичего не изменено.");
}
// The tooltip of a control whose notion the database lacks.
inline QString lackedNotionTip(const QStringList& missing) {
    return QStringLiteral("Недоступно: в базе нет столбцов ") + missing.join(QStringLiteral(", ")) +
           QLatin1Char('.');
}

} // namespace boxes
