#pragma once

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
class PictureBox;
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
    // dialogs answers every message box; it must outlive the window.
    TForm1(const ProgramFolders& folders, DialogService& dialogs, QWidget* parent = nullptr);
    // A program run from programDirectory, with everything beside it.
    TForm1(const QString& programDirectory, DialogService& dialogs, QWidget* parent = nullptr);
    // Frees the current result, then the session, then saves the settings
    // when "Запомнить все параметры" is checked.
    ~TForm1() override;

    QueryContext& context() { return *m_context; }
    QTabWidget* pageControl() const { return m_pageControl; }
    ConnectionPage* connectionPage() const { return m_connectionPage; }
    SettingsPanel* settingsPanel() const { return m_settingsPanel; }
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

    ProgramFolders m_folders;
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
    PictureBox* m_picture;
    QPushButton* m_settingsButton;
    QPushButton* m_exitButton;
    BusyPanel* m_busyPanel;
    TrayIcon* m_tray;
    bool m_shownOnce = false;
    // The control that had the focus when a list load began; it gets it back.
    QPointer<QWidget> m_focusBeforeBusy;
};
