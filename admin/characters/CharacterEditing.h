#pragma once

#include <QObject>

#include <functional>

class CharacterDetails;
class QLineEdit;
class QueryContext;
struct BoxText;

// The changes of one character from the "Данные" sub-page: rename, account
// move, at-login flags, level, money and gender. Each asks where it must,
// switches to the characters database, normalises its field (writing the
// result back), sends its UPDATE and refreshes the character list.
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
    // The guard (a character is loaded) and the confirmation.
    bool confirmed(const BoxText& question) const;
    enum class Outcome { Done, NotSwitched, Rejected };
    // The prologue, the normalisation, the undo script of the column and the
    // statement, then the refresh. Nothing is refreshed when the database
    // switch failed, or the undo script could not be saved or the server did
    // not take the change (a box said why: Rejected).
    Outcome change(const QString& operation, const QString& column,
                   const std::function<QString()>& normaliseAndBuild);
    // The statement of a one-field change, from the field and the guid.
    using FieldStatement = std::function<QString(const QString& field, const QString& guid)>;
    // A change of one field after the confirmation: the edit's text is
    // written back normalised and the statement built from it and the guid.
    void changeField(const BoxText& question, const QString& operation, const QString& column,
                     QLineEdit* edit, QString (*normalise)(const QString& field),
                     const FieldStatement& statement);

    QueryContext& m_context;
    CharacterDetails& m_details;
    std::function<void()> m_refreshList;
};
