#include "TForm1.h"

#include "BusyPanel.h"
#include "DialogService.h"
#include "JpegImage.h"
#include "Keychain.h"
#include "LiveServerDialogs.h"
#include "PictureBox.h"
#include "PlacedControls.h"
#include "ProfilePanel.h"
#include "ProgramInfo.h"
#include "SettingsPanel.h"
#include "StringGrid.h"
#include "TrayIcon.h"
#include "accounts/AccountsPage.h"
#include "broadcasts/BroadcastPage.h"
#include "characters/CharactersPage.h"
#include "connection/ConnectionPage.h"
#include "realm/RealmPage.h"
#include "schema/Schemas.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("Управление БД Мангос.");
const QString kTrayHint = QStringLiteral("Двойной щелчок - отобразить окно программы.");
const QSize kMinimumSize(750, 550);
const int kLiveBandHeight = 24;

// A window without a keyring: every password is asked for, or kept in
// Profiles.ini.
class NoKeychain : public Keychain {
public:
    Answer store(const QString&, const QString&) override { return none(); }
    Answer read(const QString&) override { return none(); }
    Answer remove(const QString&) override { return none(); }

private:
    static Answer none() {
        return {Status::Unavailable, {}, QStringLiteral("программа запущена без неё")};
    }
};

Keychain& noKeychain() {
    static NoKeychain none;
    return none;
}

// White on red over the pages, hidden until a live profile is connected.
QLabel* makeLiveBand(QWidget* parent) {
    auto* band = new QLabel(parent);
    band->setObjectName(QStringLiteral("liveServerBand"));
    band->setFixedHeight(kLiveBandHeight);
    band->setAlignment(Qt::AlignCenter);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(192, 0, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);
    setBold(band);
    band->hide();
    return band;
}

security::ConnectionSettings connectionSettingsOf(const Settings& settings) {
    security::ConnectionSettings connection;
    connection.mode = settings.tlsMode;
    connection.caFile = settings.tlsCaFile;
    connection.serverPublicKey = settings.tlsServerPublicKey;
    connection.allowServerPublicKey = settings.tlsAllowServerPublicKey;
    connection.oldPasswords = settings.oldPasswords;
    return connection;
}
} // namespace

TForm1::TForm1(const ProgramFolders& folders, DialogService& dialogs, QWidget* parent)
    : TForm1(folders, dialogs, noKeychain(), parent) {}

TForm1::TForm1(const QString& programDirectory, DialogService& dialogs, QWidget* parent)
    : TForm1(ProgramFolders::beside(programDirectory), dialogs, noKeychain(), parent) {}

TForm1::TForm1(const QString& programDirectory, DialogService& dialogs, Keychain& keychain,
               QWidget* parent)
    : TForm1(ProgramFolders::beside(programDirectory), dialogs, keychain, parent) {}

TForm1::TForm1(const ProgramFolders& folders, DialogService& dialogs, Keychain& keychain,
               QWidget* parent)
    : QWidget(parent)
    , m_folders(folders)
    , m_liveDialogs(std::make_unique<LiveServerDialogs>(dialogs))
    , m_dialogs(*m_liveDialogs)
    , m_context(std::make_unique<QueryContext>(m_dialogs)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    resize(kMinimumSize);
    setMinimumSize(kMinimumSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    const QIcon icon(QPixmap::fromImage(loadJpeg(QStringLiteral(":/pictures/icon.jpg"))));
    setWindowIcon(icon);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_liveBand = makeLiveBand(this);
    layout->addWidget(m_liveBand);
    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl->setDocumentMode(true);
    layout->addWidget(m_pageControl);

    m_connectionPage = new ConnectionPage(*m_context, m_pageControl);
    m_broadcastPage = new BroadcastPage(*m_context, *this, m_pageControl);
    m_charactersPage = new CharactersPage(*m_context, *this, m_pageControl);
    m_accountsPage = new AccountsPage(*m_context, *this, m_pageControl);
    m_realmPage = new RealmPage(*m_context, *this, m_pageControl);
    m_pageControl->addTab(m_connectionPage, QStringLiteral("Подключение"));
    m_pageControl->addTab(m_broadcastPage, QStringLiteral("Автооповещение"));
    m_pageControl->addTab(m_charactersPage, QStringLiteral("Управление персонажами"));
    m_pageControl->addTab(m_accountsPage, QStringLiteral("Учетные записи"));
    m_pageControl->addTab(m_realmPage, QStringLiteral("Реалм"));
    buildConnectionPageExtras();
    buildProfilePanel(keychain);

    m_busyPanel = new BusyPanel(this);
    m_busyPanel->hide();

    setUpJournal();
    m_context->setBusyHost(this);
    m_context->setDatabaseNameSource(
            [this](Database database) { return m_connectionPage->databaseName(database); });
    m_tray = new TrayIcon(this, icon, kTrayHint);

    // The creation handler, in its order.
    m_charactersPage->clearMoneyColumnFlag();
    m_settingsPanel->hide();
    applySettings(m_folders.settingsFolder.isEmpty() ? Settings{}
                                                     : loadSettings(m_folders.settingsFolder));
    m_profilePanel->start();
    m_context->createSession();
    connect(m_connectionPage, &ConnectionPage::connectFinished, this,
            [this](bool connected) { markConnection(connected); });
    if (m_connectionPage->autoLoginBox()->isChecked())
        m_context->guarded([this] { m_connectionPage->connectToServer(); });
    StringGrid* broadcastGrid = m_broadcastPage->grid();
    broadcastGrid->resize(734, broadcastGrid->height());
    broadcastGrid->setColWidth(0, 35);
    broadcastGrid->setColWidth(1, 644);
    m_realmPage->prepareRealmGridHeader();
    m_charactersPage->selectDataSubPage();
    selectStartPage();
    applyWidthRules();
    const QString initialLimit = m_settingsPanel->recordsLimitCombo()->currentText();
    m_charactersPage->recordLimitCombo()->setEditText(initialLimit);
    m_accountsPage->recordLimitCombo()->setEditText(initialLimit);

    // From now on a page's show action runs whenever the page becomes visible,
    // and the lists load again after each connect that logged in anew.
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TForm1::runShowAction);
    connect(m_connectionPage, &ConnectionPage::connectFinished, this,
            [this](bool, bool newSession) {
                if (newSession)
                    reloadLists();
            });
}

TForm1::~TForm1() {
    const Settings settings = currentSettings();
    m_context.reset();
    if (!settings.remember || m_folders.settingsFolder.isEmpty())
        return;
    // An installed program makes its settings folder on its first save.
    if (m_folders.portable || makePrivateFolder(m_folders.settingsFolder))
        saveSettings(m_folders.settingsFolder, settings);
}

void TForm1::buildConnectionPageExtras() {
    QWidget* page = m_connectionPage;
    m_picture = new PictureBox(page);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(376, 56, 350, 400);
    m_picture->setPixmap(QPixmap::fromImage(loadJpeg(QStringLiteral(":/pictures/connection.jpg"))));
    connect(m_picture, &PictureBox::doubleClicked, this, &TForm1::showAbout);

    m_settingsPanel = new SettingsPanel(m_dialogs, page);
    m_connectionPage->setSecuritySource([this] { return m_settingsPanel->connectionSettings(); });

    m_settingsButton = placeButton(page, "dxButton8", QStringLiteral("Настройки"), 368, 16, 80, 22);
    connect(m_settingsButton, &QPushButton::clicked, this, &TForm1::toggleSettingsPanel);

    m_exitButton = placeButton(page, "dxButton2", QStringLiteral("Выход"), 368, 40, 80, 22);
    QPalette exitPalette = m_exitButton->palette();
    exitPalette.setColor(QPalette::ButtonText, QColor(199, 21, 133));
    m_exitButton->setPalette(exitPalette);
    connect(m_exitButton, &QPushButton::clicked, this, &QWidget::close);

    // The two buttons stay over the settings panel and usable.
    m_settingsButton->raise();
    m_exitButton->raise();
}

void TForm1::buildProfilePanel(Keychain& keychain) {
    ProfilePanel::Links links;
    links.fields = [this] {
        return profileOf(currentSettings());
    };
    links.fill = [this](const ConnectionProfile& profile) {
        fillFromProfile(profile);
    };
    links.passwordEdit = m_connectionPage->passwordEdit();
    links.log = [this](const QString& line) {
        m_connectionPage->appendLog(line);
    };
    links.prepareFolder = [this] {
        return m_folders.portable || makePrivateFolder(m_folders.settingsFolder);
    };
    m_profilePanel = new ProfilePanel(m_folders.settingsFolder, keychain, m_dialogs,
                                      std::move(links), m_connectionPage);
    // Between the databases and the log, which gives up the room.
    m_profilePanel->setGeometry(8, 288, 353, 50);
    m_connectionPage->log()->setGeometry(8, 344, 353, 137);
    m_connectionPage->setBeforeConnect([this] { return m_profilePanel->beforeConnect(); });
}

void TForm1::fillFromProfile(const ConnectionProfile& profile) {
    Settings settings = currentSettings();
    applyProfile(profile, settings);
    applySettings(settings);
}

void TForm1::markConnection(bool connected) {
    const QString profile = m_profilePanel->chosenProfile();
    const bool live = connected && m_profilePanel->liveBox()->isChecked();
    const QString server = QStringLiteral("%1:%2").arg(m_connectionPage->hostEdit()->text(),
                                                       m_connectionPage->portEdit()->text());
    const QString name = profile.isEmpty() ? server : profile;
    m_liveDialogs->setLiveProfile(live ? name : QString());
    if (live)
        setWindowTitle(QStringLiteral("%1 — «%2» — БОЕВОЙ СЕРВЕР").arg(kCaption, name));
    else if (connected && !profile.isEmpty())
        setWindowTitle(QStringLiteral("%1 — «%2»").arg(kCaption, profile));
    else
        setWindowTitle(kCaption);
    m_liveBand->setText(QStringLiteral("БОЕВОЙ СЕРВЕР — профиль «%1» (%2)").arg(name, server));
    if (live == m_liveBand->isHidden()) {
        // The band adds to the window's height, so that the pages keep theirs.
        const int height = this->height() + (live ? kLiveBandHeight : -kLiveBandHeight);
        m_liveBand->setVisible(live);
        setMinimumSize(kMinimumSize + QSize(0, live ? kLiveBandHeight : 0));
        resize(width(), height);
    }
    m_profilePanel->afterConnect(connected);
}

void TForm1::reloadLists() {
    // These pages load their list when shown with the grid still hidden, as
    // it is before the first load.
    m_accountsPage->grid()->hide();
    m_charactersPage->grid()->hide();
    runShowAction(m_pageControl->currentIndex());
}

void TForm1::setUpJournal() {
    ChangeJournal& journal = m_context->journal();
    m_context->setLog([this](const QString& line) { m_connectionPage->appendLog(line); });
    journal.setFolderMaker(makePrivateFolder);
    QLineEdit* folderEdit = m_settingsPanel->journalFolderEdit();
    if (m_folders.dataFolder.isEmpty()) {
        // Without a home folder there is nowhere to keep it.
        folderEdit->setText(QStringLiteral("нет папки для данных программы"));
        m_settingsPanel->journalFolderButton()->setEnabled(false);
        m_connectionPage->appendLog(
                QStringLiteral("Журнал изменений не ведётся: нет папки для данных программы."));
        return;
    }
    journal.setFolder(QDir(m_folders.dataFolder).filePath(QStringLiteral("journal")));
    folderEdit->setText(QDir::toNativeSeparators(journal.folder()));
    folderEdit->setCursorPosition(0);
    folderEdit->setToolTip(folderEdit->text());
    connect(m_settingsPanel->journalFolderButton(), &QPushButton::clicked, this,
            &TForm1::openJournalFolder);
}

void TForm1::openJournalFolder() {
    const QString folder = m_context->journal().folder();
    if (!makePrivateFolder(folder) || !m_dialogs.openFolder(folder))
        m_dialogs.error(QStringLiteral("Журнал изменений"),
                        QStringLiteral("Не удалось открыть папку ") + folder);
}

void TForm1::applySettings(const Settings& settings) {
    m_connectionPage->hostEdit()->setText(settings.host);
    m_connectionPage->portEdit()->setText(settings.port);
    m_connectionPage->userEdit()->setText(settings.user);
    m_connectionPage->passwordEdit()->setText(settings.password);
    m_connectionPage->databaseCombo(Database::Realmd)->setEditText(settings.realmdDatabase);
    m_connectionPage->databaseCombo(Database::Mangos)->setEditText(settings.mangosDatabase);
    m_connectionPage->databaseCombo(Database::Characters)->setEditText(settings.charactersDatabase);
    m_connectionPage->databaseCombo(Database::Scriptdev2)->setEditText(settings.scriptdev2Database);
    m_connectionPage->autoLoginBox()->setChecked(settings.autoLogin);
    m_connectionPage->rememberBox()->setChecked(settings.remember);
    m_settingsPanel->exportUtf8Box()->setChecked(settings.exportUtf8);
    m_settingsPanel->startPageCombo()->setEditText(settings.startPage);
    m_settingsPanel->recordsLimitCombo()->setEditText(settings.recordsLimit);
    m_settingsPanel->erasePeriodEdit()->setText(settings.erasePeriod);
    m_settingsPanel->adminAccountEdit()->setText(settings.adminAccount);
    m_settingsPanel->lowLevelEdit()->setText(settings.lowLevel);
    m_settingsPanel->cheatMoneyEdit()->setText(settings.cheatMoney);
    m_settingsPanel->setConnectionSettings(connectionSettingsOf(settings));
    applySchemaFamily(settings.schemaFamily);
}

Settings TForm1::currentSettings() const {
    Settings settings;
    settings.host = m_connectionPage->hostEdit()->text();
    settings.port = m_connectionPage->portEdit()->text();
    settings.user = m_connectionPage->userEdit()->text();
    // A profile's password stays in the keyring.
    if (!m_profilePanel->passwordKeptElsewhere())
        settings.password = m_connectionPage->passwordEdit()->text();
    settings.realmdDatabase = m_connectionPage->databaseName(Database::Realmd);
    settings.mangosDatabase = m_connectionPage->databaseName(Database::Mangos);
    settings.charactersDatabase = m_connectionPage->databaseName(Database::Characters);
    settings.scriptdev2Database = m_connectionPage->databaseName(Database::Scriptdev2);
    settings.autoLogin = m_connectionPage->autoLoginBox()->isChecked();
    settings.exportUtf8 = m_settingsPanel->exportUtf8Box()->isChecked();
    settings.startPage = m_settingsPanel->startPageCombo()->currentText();
    settings.recordsLimit = m_settingsPanel->recordsLimitCombo()->currentText();
    settings.erasePeriod = m_settingsPanel->erasePeriodEdit()->text();
    settings.adminAccount = m_settingsPanel->adminAccountEdit()->text();
    settings.lowLevel = m_settingsPanel->lowLevelEdit()->text();
    settings.cheatMoney = m_settingsPanel->cheatMoneyEdit()->text();
    const security::ConnectionSettings connection = m_settingsPanel->connectionSettings();
    settings.tlsMode = connection.mode;
    settings.tlsCaFile = connection.caFile;
    settings.tlsServerPublicKey = connection.serverPublicKey;
    settings.tlsAllowServerPublicKey = connection.allowServerPublicKey;
    settings.oldPasswords = connection.oldPasswords;
    settings.schemaFamily = m_schemaFamily;
    settings.remember = m_connectionPage->rememberBox()->isChecked();
    return settings;
}

void TForm1::applySchemaFamily(const QString& word) {
    m_schemaFamily = word;
    const std::optional<schema::Family> family = schema::familyFromKey(word);
    m_context->schemas().setFamilyOverride(family);
    if (!family && word.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) != 0)
        m_connectionPage->appendLog(
                QStringLiteral("Неизвестное семейство схем \"%1\" ([Schema] Family): схема каждой "
                               "базы определяется по её таблицам.")
                        .arg(word));
}

void TForm1::selectStartPage() {
    // Exact, case-sensitive comparison with the combo's item texts.
    const QString text = m_settingsPanel->startPageCombo()->currentText();
    if (text == QStringLiteral("Автооповещение")) {
        m_pageControl->setCurrentIndex(int(Page::Broadcast));
    } else if (text == QStringLiteral("Реалм")) {
        m_pageControl->setCurrentIndex(int(Page::Realm));
        m_context->guarded([this] { m_realmPage->shown(); });
    } else if (text == QStringLiteral("Управление героями")) {
        m_pageControl->setCurrentIndex(int(Page::Characters));
        m_context->guarded([this] { m_charactersPage->shown(); });
    } else if (text == QStringLiteral("Учетные записи")) {
        m_pageControl->setCurrentIndex(int(Page::Accounts));
        m_context->guarded([this] { m_accountsPage->shown(); });
    } else {
        m_pageControl->setCurrentIndex(int(Page::Connection));
    }
}

void TForm1::runShowAction(int pageIndex) {
    m_context->guarded([this, pageIndex] {
        switch (pageIndex) {
        case int(Page::Broadcast):
            m_broadcastPage->shown();
            break;
        case int(Page::Characters):
            m_charactersPage->shown();
            break;
        case int(Page::Accounts):
            m_accountsPage->shown();
            break;
        case int(Page::Realm):
            m_realmPage->shown();
            break;
        default:
            break;
        }
    });
}

void TForm1::applyWidthRules() {
    m_broadcastPage->applyWidthRule();
    m_realmPage->setIpBanPanelWidth(width() / 2);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // The start page becomes visible with the window.
        runShowAction(m_pageControl->currentIndex());
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyWidthRules();
}

void TForm1::toggleSettingsPanel() {
    m_settingsPanel->setVisible(!m_settingsPanel->isVisible());
}

QString TForm1::aboutText() {
    return QStringLiteral("    --= Программа сделана в самообразовательных целях. =--\n"
                          "   Предназначена для работы с базой данных проекта Mangos\n"
                          "   Версия ") +
           QLatin1String(kProgramVersion);
}

void TForm1::applyProgramFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
}

void TForm1::showAbout() {
    m_dialogs.notice(aboutText());
}

void TForm1::showPage(Page page) {
    m_pageControl->setCurrentIndex(int(page));
}

void TForm1::accountLookup(const QString& filter) {
    if (m_accountsPage->lookup(filter))
        showPage(Page::Accounts);
}

void TForm1::charactersOfAccount(const QString& accountId) {
    if (m_charactersPage->showCharactersOfAccount(accountId))
        showPage(Page::Characters);
}

QString TForm1::erasePeriod() const {
    return m_settingsPanel->erasePeriodEdit()->text();
}

QString TForm1::adminAccount() const {
    return m_settingsPanel->adminAccountEdit()->text();
}

QString TForm1::cheatMoney() const {
    return m_settingsPanel->cheatMoneyEdit()->text();
}

QString TForm1::localeNumber() const {
    return m_settingsPanel->localeCombo()->currentText();
}

bool TForm1::exportUtf8() const {
    return m_settingsPanel->exportUtf8Box()->isChecked();
}

void TForm1::beginBusy() {
    m_focusBeforeBusy = QApplication::focusWidget();
    m_busyPanel->move(centredOffset(width(), BusyPanel::kWidth),
                      centredOffset(height(), BusyPanel::kHeight));
    m_pageControl->hide();
    m_busyPanel->show();
    m_busyPanel->raise();
    m_busyPanel->repaint();
}

void TForm1::endBusy(StringGrid* listGrid) {
    m_pageControl->show();
    m_pageControl->repaint();
    if (listGrid)
        listGrid->show();
    m_busyPanel->hide();
    // Hiding the pages took the focus away, e.g. from the record limit box
    // that the person is typing into.
    if (m_focusBeforeBusy && m_focusBeforeBusy->isVisible())
        m_focusBeforeBusy->setFocus(Qt::OtherFocusReason);
}
