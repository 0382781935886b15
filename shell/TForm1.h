#pragma once

#include "ProfileBook.h"
#include "ProgramFolders.h"
#include "Settings.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class AccountsPage;
class BroadcastPage;
class BusyPanel;
class CharactersPage;
class ConnectionPage;
class DialogService;
class Keychain;
class LiveServerDialogs;
class PictureBox;
class ProfilePanel;
class QLabel;
class QPushButton;
class QTabWidget;
class RealmPage;
class SettingsPanel;
class TrayIcon;

// The main window: the page control with its five pages, the connection page's
// settings panel, the busy panel, the tray icon, start-up and exit.
class TForm1 : public QWidget, public WindowLinks, public BusyHost {
    Q_OBJECT

public:
    // folders says where Settings.ini and the program's other files are.
    // dialogs answers every message box, keychain keeps the profiles'
    // passwords; both must outlive the window.
    TForm1(const ProgramFolders& folders, DialogService& dialogs, Keychain& keychain,
           QWidget* parent = nullptr);
    // A program run from programDirectory, with everything beside it.
    TForm1(const QString& programDirectory, DialogService& dialogs, Keychain& keychain,
           QWidget* parent = nullptr);
    // The same without a keyring: the profiles' passwords are asked for, or
    // kept in Profiles.ini.
    TForm1(const ProgramFolders& folders, DialogService& dialogs, QWidget* parent = nullptr);
    TForm1(const QString& programDirectory, DialogService& dialogs, QWidget* parent = nullptr);
    // Frees the current result, then the session, then saves the settings
    // when "Запомнить все параметры" is checked.
    ~TForm1() override;

    QueryContext& context() { return *m_context; }
    QTabWidget* pageControl() const { return m_pageControl; }
    ConnectionPage* connectionPage() const { return m_connectionPage; }
    SettingsPanel* settingsPanel() const { return m_settingsPanel; }
    ProfilePanel* profilePanel() const { return m_profilePanel; }
    // The band over the pages while a live profile is connected.
    QLabel* liveServerBand() const { return m_liveBand; }
    BusyPanel* busyPanel() const { return m_busyPanel; }
    TrayIcon* trayIcon() const { return m_tray; }

    // The settings as the controls hold them now.
    Settings currentSettings() const;

    // "Настройки": shows the settings panel, or hides it when shown.
    void toggleSettingsPanel();
    // The about text, on a double click of the connection page's picture.
    void showAbout();
    // The journal folder in the file manager (made first when it is not
    // there yet).
    void openJournalFolder();

    // WindowLinks
    void showPage(Page page) override;
    void accountLookup(const QString& filter) override;
    void charactersOfAccount(const QString& accountId) override;
    QString erasePeriod() const override;
    QString adminAccount() const override;
    QString cheatMoney() const override;
    QString localeNumber() const override;
    bool exportUtf8() const override;
    QString exportDirectory() const override { return m_folders.exportFolder; }

    // BusyHost
    void beginBusy() override;
    void endBusy(StringGrid* listGrid) override;

    static QString aboutText();
    // The program's font (8 point), set once for the whole application.
    static void applyProgramFont();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildConnectionPageExtras();
    void setUpJournal();
    void applySettings(const Settings& settings);
    // [Schema] Family: a family set by hand, or "auto".
    void applySchemaFamily(const QString& word);
    void selectStartPage();
    void applyWidthRules();
    void runShowAction(int pageIndex);
    void buildProfilePanel(Keychain& keychain);
    // Fills the controls with a profile's connection.
    void fillFromProfile(const ConnectionProfile& profile);
    // After each connect: the window's title and band, and the profile named
    // in every confirmation while a live one is connected.
    void markConnection(bool connected);
    // After a connect that logged in anew: the lists are loaded again from
    // the new session, the shown page's at once, the others' when shown.
    void reloadLists();

    ProgramFolders m_folders;
    // Every box of the window and its pages goes through m_dialogs, which
    // passes it on to the service given.
    std::unique_ptr<LiveServerDialogs> m_liveDialogs;
    DialogService& m_dialogs;
    std::unique_ptr<QueryContext> m_context;
    // [Schema] Family as the settings file has it.
    QString m_schemaFamily = QStringLiteral("auto");
    QTabWidget* m_pageControl;
    ConnectionPage* m_connectionPage;
    BroadcastPage* m_broadcastPage;
    CharactersPage* m_charactersPage;
    AccountsPage* m_accountsPage;
    RealmPage* m_realmPage;
    SettingsPanel* m_settingsPanel;
    ProfilePanel* m_profilePanel;
    QLabel* m_liveBand;
    PictureBox* m_picture;
    QPushButton* m_settingsButton;
    QPushButton* m_exitButton;
    BusyPanel* m_busyPanel;
    TrayIcon* m_tray;
    bool m_shownOnce = false;
    // The control that had the focus when a list load began; it gets it back.
    QPointer<QWidget> m_focusBeforeBusy;
};
