#pragma once

#include "FramedPanel.h"
#include "connection/ConnectionSecurity.h"

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
    QLineEdit* tlsServerKeyEdit() const { return m_tlsServerKey; }
    QCheckBox* tlsAllowServerKeyBox() const { return m_tlsAllowServerKey; }

    // The encryption and login settings as the controls hold them. A mode
    // word that names no mode is kept and shown as such, so that connecting
    // refuses with that word rather than with another mode.
    security::ConnectionSettings connectionSettings() const;
    void setConnectionSettings(const security::ConnectionSettings& settings);

    // "...": chooses the CA file, or the server's public key, in a file
    // dialog.
    void chooseCaFile();
    void chooseServerKey();

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
    QLineEdit* m_tlsServerKey;
    QPushButton* m_tlsServerKeyButton;
    QCheckBox* m_tlsAllowServerKey;
    // [Login] OldPasswords: kept from the settings file, no control.
    bool m_oldPasswords = false;
};
