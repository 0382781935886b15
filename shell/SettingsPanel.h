#pragma once

#include "FramedPanel.h"
#include "uMysqlTls.h"

class DialogService;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The panel of further settings on the connection page ("Настройки"): start
// page, clean-up numbers, locale number, export encoding, the initial
// record limit, the encryption of the connection and the folder of the
// change journal.
class SettingsPanel : public FramedPanel {
    Q_OBJECT

public:
    // dialogs: where the file chooser of the CA file is shown.
    explicit SettingsPanel(DialogService& dialogs, QWidget* parent = nullptr);

    QComboBox* startPageCombo() const { return m_startPage; }
    QLineEdit* erasePeriodEdit() const { return m_erasePeriod; }
    QLineEdit* adminAccountEdit() const { return m_adminAccount; }
    QLineEdit* lowLevelEdit() const { return m_lowLevel; }
    QLineEdit* cheatMoneyEdit() const { return m_cheatMoney; }
    QComboBox* localeCombo() const { return m_locale; }
    QCheckBox* exportUtf8Box() const { return m_exportUtf8; }
    QComboBox* recordsLimitCombo() const { return m_recordsLimit; }
    // The journal folder, shown; its button opens it in the file manager.
    QLineEdit* journalFolderEdit() const { return m_journalFolder; }
    QPushButton* journalFolderButton() const { return m_openJournalFolder; }
    QComboBox* tlsModeCombo() const { return m_tlsMode; }
    QLineEdit* tlsCaFileEdit() const { return m_tlsCaFile; }

    // The encryption settings as the controls hold them; setting them shows
    // a mode word that names no mode as the default mode.
    QString tlsModeKeyword() const;
    void setTlsModeKeyword(const QString& keyword);
    mysql::TTlsOptions tlsOptions() const;

    // "...": chooses the CA file in a file dialog.
    void chooseCaFile();

private:
    DialogService& m_dialogs;
    QComboBox* m_startPage;
    QLineEdit* m_erasePeriod;
    QLineEdit* m_adminAccount;
    QLineEdit* m_lowLevel;
    QLineEdit* m_cheatMoney;
    QComboBox* m_locale;
    QCheckBox* m_exportUtf8;
    QComboBox* m_recordsLimit;
    QLineEdit* m_journalFolder;
    QPushButton* m_openJournalFolder;
    QComboBox* m_tlsMode;
    QLineEdit* m_tlsCaFile;
    QPushButton* m_tlsCaFileButton;
};
