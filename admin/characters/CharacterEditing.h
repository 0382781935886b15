#pragma once

#include "schema/CharacterSchema.h"

#include <QObject>

#include <functional>

class CharacterDetails;
class QLineEdit;
class QueryContext;
struct BoxText;

// The changes of one character from the "Данные" sub-page: rename, account
// move, at-login flags, level, money and gender, in the columns of the
// characters database's family. Each asks where it must (and, for a
// character in the game, whether to go on), switches to the characters
// database, normalises its field (writing the result back), sends its UPDATE
// and refreshes the character list.
class CharacterEditing : public QObject {
    Q_OBJECT

public:
    CharacterEditing(QueryContext& context, CharacterDetails& details,
                     std::function<void()> refreshList, QObject* parent = nullptr);

    void rename();
    void moveToAccount();
    void setAtLogin();
    void swapGender();
    void saveMoney();
    void saveLevel();

private:
    using Column = schema::Field schema::CharacterTable::*;
    // The guard (a character is loaded), the confirmation, then the question
    // for a character in the game.
    bool confirmed(const BoxText& question) const;
    bool inGameChangeAllowed() const;
    enum class Outcome { Done, NotSwitched, Rejected };
    // The prologue, the normalisation, the undo script of the column and the
    // statement, then the refresh. Nothing is refreshed when the database
    // switch failed, or the undo script could not be saved or the server did
    // not take the change (a box said why: Rejected). A column the database
    // lacks is refused with a box that names it (Rejected).
    Outcome change(const QString& operation, Column column,
                   const std::function<QString(const schema::CharacterSchema&)>& normaliseAndBuild);
    // The statement of a one-field change, from the field and the guid.
    using FieldStatement = std::function<QString(const schema::CharacterSchema& s,
                                                 const QString& field, const QString& guid)>;
    // A change of one field after the confirmation: the edit's text is
    // written back normalised and the statement built from it and the guid.
    void changeField(const BoxText& question, const QString& operation, Column column,
                     QLineEdit* edit, QString (*normalise)(const QString& field),
                     const FieldStatement& statement);

    QueryContext& m_context;
    CharacterDetails& m_details;
    std::function<void()> m_refreshList;
};
