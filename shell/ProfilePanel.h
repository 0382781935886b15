#pragma once

#include "FramedPanel.h"
#include "Keychain.h"
#include "ProfileBook.h"
#include "connection/ConnectionPage.h"

#include <functional>

class DialogService;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The saved connections on the connection page: the profile combo with
// "Сохранить как…" and "Удалить", and the profile's switches "Боевой сервер"
// and "Запомнить пароль в файле". The profiles live in Profiles.ini; their
// passwords in the keyring, or in the file when the switch says so. Where
// no keyring answers, the log says so once and the password is asked for
// at connect.
class ProfilePanel : public FramedPanel {
    Q_OBJECT

public:
    struct Links {
        // The connection as the controls hold it (no name, no password).
        std::function<ConnectionProfile()> fields;
        // Puts a profile's connection into the controls (its password too
        // when the file keeps it, else an empty password).
        std::function<void(const ConnectionProfile&)> fill;
        QLineEdit* passwordEdit = nullptr;
        std::function<void(const QString&)> log;
        // Makes the folder of Profiles.ini when it is not there yet.
        std::function<bool()> prepareFolder;
    };

    // folder: where Profiles.ini is; empty when there is nowhere to keep it.
    ProfilePanel(const QString& folder, Keychain& keychain, DialogService& dialogs, Links links,
                 QWidget* parent = nullptr);

    QComboBox* profileCombo() const { return m_combo; }
    QPushButton* saveAsButton() const { return m_saveAs; }
    QPushButton* deleteButton() const { return m_delete; }
    QCheckBox* liveBox() const { return m_live; }
    QCheckBox* passwordInFileBox() const { return m_passwordInFile; }
    const ProfileBook& book() const { return m_book; }

    // Reads Profiles.ini and chooses the profile chosen last.
    void start();

    // The chosen profile's name; empty when none is chosen.
    const QString& chosenProfile() const { return m_chosen; }
    // A profile is chosen whose password is not kept in Profiles.ini, so
    // that it has no place in Settings.ini either.
    bool passwordKeptElsewhere() const;

    // Fills the controls from the named profile, its password from the
    // keyring where it is kept there.
    void choose(const QString& name);
    // "Сохранить как…": the controls as a new profile, under a name asked for.
    void saveAs();
    // "Удалить": the chosen profile, after a confirmation.
    void removeChosen();

    // Before a connect with a profile chosen: asks for a password nobody
    // knows, and closes any open session first.
    ConnectionPage::ConnectStep beforeConnect();
    // After it: a password asked for goes into the keyring once it let the
    // login in.
    void afterConnect(bool connected);

private:
    bool saveBook();
    // The answer, with the log's one line the first time no keyring answers.
    Keychain::Answer noted(Keychain::Answer answer);
    void updateButtons();

    ProfileBook m_book;
    bool m_hasFolder;
    Keychain& m_keychain;
    DialogService& m_dialogs;
    Links m_links;
    QComboBox* m_combo;
    QPushButton* m_saveAs;
    QPushButton* m_delete;
    QCheckBox* m_live;
    QCheckBox* m_passwordInFile;
    QString m_chosen;
    // Whether the password edit holds the chosen profile's password.
    bool m_passwordKnown = true;
    // The keyring answered that it has no password for the chosen profile.
    bool m_keyringLacksPassword = false;
    bool m_storeAfterLogin = false;
    bool m_unavailableSaid = false;
};
