#pragma once

#include <QTabWidget>

namespace schema {
struct CharacterSchema;
struct WorldSchema;
} // namespace schema

class FramedPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QueryContext;
class StringGrid;
class WindowLinks;

// The details panel of the character page ("characterDetails"): the sub-page
// "Данные" with the selected character's fields, which the editing and
// repair operations act on, and the sub-pages "Data", "Дополнит.", "Квесты",
// "Spells" and "Вещи" with their grids. A cell selection in the character
// list loads it.
class CharacterDetails : public QTabWidget {
    Q_OBJECT

public:
    CharacterDetails(QueryContext& context, WindowLinks& links, QWidget* parent = nullptr);

    // Loads the character of the list grid's selected cell: the key fields of
    // its row, then its full row, the column names, the "Data" values, its
    // quests, items and spells. Every grid ends in a defined state: a detail
    // statement that fails is shown like an empty result.
    void load(StringGrid& list, int col, int row);

    void selectDataSubPage() { setCurrentIndex(0); }
    // Whether the loaded character is in the game (its online flag is set),
    // and its name as loaded.
    bool characterOnline() const { return m_online; }
    QString characterName() const { return m_loadedName; }
    void clearMoneyColumnFlag() { m_moneyColumnFound = false; }
    bool moneyColumnFound() const { return m_moneyColumnFound; }

    // The fields of "Данные".
    QLineEdit* guidEdit() const { return m_guid; }
    QLineEdit* accountEdit() const { return m_account; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* atLoginEdit() const { return m_atLogin; }
    QLineEdit* levelEdit() const { return m_level; }
    QLineEdit* genderEdit() const { return m_gender; }
    QLineEdit* moneyEdit() const { return m_money; }
    QCheckBox* renameBox() const { return m_renameBox; }
    QCheckBox* resetTalentsBox() const { return m_resetTalentsBox; }
    QCheckBox* resetSpellsBox() const { return m_resetSpellsBox; }

    // The buttons of "Данные".
    QPushButton* moveButton() const { return m_moveButton; }
    QPushButton* renameButton() const { return m_renameButton; }
    QPushButton* atLoginButton() const { return m_atLoginButton; }
    QPushButton* levelButton() const { return m_levelButton; }
    QPushButton* genderButton() const { return m_genderButton; }
    QPushButton* moneyButton() const { return m_moneyButton; }
    QPushButton* richButton() const { return m_richButton; }

private:
    QWidget* buildDataPage();
    FramedPanel* buildLevelAndMoneyBlock(QWidget* parent);
    QWidget* buildGridPage(StringGrid*& grid, const char* name, int columns,
                           QLabel** foundLabel = nullptr);

    void copyKeyFields(const schema::CharacterSchema& s, const StringGrid& list, int row);
    // Enables what the database has, with a tooltip on what it lacks.
    void offerWhatTheSchemaHas(const schema::CharacterSchema& s, const schema::WorldSchema& w);
    void loadFullRow(const schema::CharacterSchema& s, const QString& guid);
    void loadColumnNames(const schema::CharacterSchema& s);
    void applyColumnValue(const schema::CharacterSchema& s, const QString& name,
                          const QString& value);
    // The row of the full-row grid that shows the column, or -1.
    int rowOfColumn(const QString& column) const;
    void fillDataPage(const schema::CharacterSchema& s);
    void splitData(const schema::CharacterSchema& s);
    void listNamedValues(const schema::CharacterSchema& s);
    void loadQuests(const schema::CharacterSchema& s, const schema::WorldSchema& w,
                    const QString& guid);
    void loadItems(const schema::CharacterSchema& s, const schema::WorldSchema& w,
                   const QString& guid);
    void loadSpells(const schema::CharacterSchema& s, const QString& guid);
    // Runs a detail statement; a failure is written to the connection log.
    bool runDetail(const QString& statement, const char16_t* what);

    QueryContext& m_context;
    WindowLinks& m_links;
    bool m_moneyColumnFound = false;
    int m_fullRowFields = 0;
    bool m_online = false;
    QString m_loadedName;

    QLineEdit* m_guid;
    QLineEdit* m_account;
    QLineEdit* m_name;
    QLineEdit* m_atLogin;
    QCheckBox* m_renameBox;
    QCheckBox* m_resetTalentsBox;
    QCheckBox* m_resetSpellsBox;
    FramedPanel* m_levelAndMoney;
    QLineEdit* m_level;
    QLineEdit* m_gender;
    QLineEdit* m_money;
    QComboBox* m_race;
    QComboBox* m_class;
    QLabel* m_onlineWarning;
    QPushButton* m_moveButton;
    QPushButton* m_renameButton;
    QPushButton* m_atLoginButton;
    QPushButton* m_levelButton;
    QPushButton* m_genderButton;
    QPushButton* m_moneyButton;
    QPushButton* m_richButton;

    StringGrid* m_dataGrid;
    StringGrid* m_extraGrid;
    StringGrid* m_questGrid;
    StringGrid* m_spellGrid;
    StringGrid* m_itemGrid;
    QLabel* m_questsFound;
};
