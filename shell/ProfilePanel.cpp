#include "ProfilePanel.h"

#include "DialogService.h"
#include "PlacedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kCaption = QStringLiteral("Профили подключений");

} // namespace

ProfilePanel::ProfilePanel(const QString& folder, Keychain& keychain, DialogService& dialogs,
                           Links links, QWidget* parent)
    : FramedPanel(parent, QColor(128, 0, 0))
    , m_book(folder)
    , m_hasFolder(!folder.isEmpty())
    , m_keychain(keychain)
    , m_dialogs(dialogs)
    , m_links(std::move(links)) {
    setObjectName(QStringLiteral("profilePanel"));
    placeLabel(this, QStringLiteral("Профиль"), 8, 6, 46);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("profileCombo"));
    m_combo->setGeometry(56, 3, 120, 22);
    m_combo->setPlaceholderText(QStringLiteral("нет профиля"));
    m_saveAs = placeButton(this, "profileSaveAsButton", QStringLiteral("Сохранить как…"), 180, 2,
                           104, 24);
    m_delete = placeButton(this, "profileDeleteButton", QStringLiteral("Удалить"), 288, 2, 57, 24);
    m_live = placeCheckBox(this, "liveServerBox", QStringLiteral("Боевой сервер"), 8, 27, 126);
    setTextColor(m_live, QColor(192, 0, 0));
    m_live->setToolTip(QStringLiteral(
            "Профиль боевого сервера: пока он подключён, окно помечено полосой, а каждое "
            "подтверждение изменения называет профиль."));
    m_passwordInFile = placeCheckBox(this, "passwordInFileBox",
                                     QStringLiteral("Запомнить пароль в файле"), 140, 27, 205);
    m_passwordInFile->setToolTip(QStringLiteral(
            "Пароль профиля хранится открытым текстом в Profiles.ini (файл доступен только "
            "владельцу), а не в связке ключей рабочего стола."));

    connect(m_combo, &QComboBox::activated, this,
            [this](int index) { choose(m_combo->itemText(index)); });
    connect(m_saveAs, &QPushButton::clicked, this, &ProfilePanel::saveAs);
    connect(m_delete, &QPushButton::clicked, this, &ProfilePanel::removeChosen);
    connect(m_links.passwordEdit, &QLineEdit::textEdited, this, [this] { m_passwordKnown = true; });
    updateButtons();
}

void ProfilePanel::start() {
    if (!m_hasFolder) {
        setToolTip(QStringLiteral("Профили не сохраняются: нет папки для настроек программы."));
        updateButtons();
        return;
    }
    m_book.load();
    if (!m_book.problem().isEmpty()) {
        const QString path = QDir::toNativeSeparators(m_book.path());
        const QString text =
                m_book.movedTo().isEmpty()
                        ? QStringLiteral("Файл профилей %1 не разобран (%2) и не переименован; "
                                         "профили не сохраняются, пока он на месте.")
                                  .arg(path, m_book.problem())
                        : QStringLiteral("Файл профилей %1 не разобран (%2). Он сохранён как %3, "
                                         "список профилей начат заново.")
                                  .arg(path, m_book.problem(),
                                       QDir::toNativeSeparators(m_book.movedTo()));
        m_links.log(text);
        m_dialogs.error(kCaption, text);
    }
    for (const ConnectionProfile& profile : m_book.profiles())
        m_combo->addItem(profile.name);
    m_combo->setCurrentIndex(-1);
    if (m_book.find(m_book.last()))
        choose(m_book.last());
    updateButtons();
}

bool ProfilePanel::passwordKeptElsewhere() const {
    const ConnectionProfile* profile = m_book.find(m_chosen);
    return profile && !profile->passwordInFile;
}

void ProfilePanel::choose(const QString& name) {
    const ConnectionProfile* found = m_book.find(name);
    if (!found)
        return;
    const ConnectionProfile profile = *found;
    m_links.fill(profile);
    m_live->setChecked(profile.live);
    m_passwordInFile->setChecked(profile.passwordInFile);
    m_combo->setCurrentIndex(m_combo->findText(profile.name, Qt::MatchFixedString));
    m_chosen = profile.name;
    m_storeAfterLogin = false;
    m_keyringLacksPassword = false;
    m_passwordKnown = profile.passwordInFile;
    if (!profile.passwordInFile) {
        const Keychain::Answer answer = noted(m_keychain.read(profile.name));
        if (answer.status == Keychain::Status::Ok) {
            m_links.passwordEdit->setText(answer.password);
            m_passwordKnown = true;
        }
        m_keyringLacksPassword = answer.status == Keychain::Status::NotFound;
    }
    if (m_book.last() != profile.name) {
        m_book.setLast(profile.name);
        saveBook();
    }
    updateButtons();
}

void ProfilePanel::saveAs() {
    const std::optional<QString> typed =
            m_dialogs.askText({QStringLiteral("Сохранить профиль"),
                               QStringLiteral("Имя нового профиля:"), m_chosen, false});
    if (!typed)
        return;
    const QString name = typed->trimmed();
    switch (m_book.checkNewName(name)) {
    case ProfileBook::NameCheck::Empty:
        m_dialogs.error(kCaption, QStringLiteral("Имя профиля не может быть пустым."));
        return;
    case ProfileBook::NameCheck::Taken:
        m_dialogs.error(kCaption,
                        QStringLiteral("Профиль «%1» уже есть. Выберите другое имя или удалите "
                                       "тот профиль.")
                                .arg(m_book.find(name)->name));
        return;
    case ProfileBook::NameCheck::Ok:
        break;
    }
    ConnectionProfile profile = m_links.fields();
    profile.name = name;
    profile.live = m_live->isChecked();
    profile.passwordInFile = m_passwordInFile->isChecked();
    const QString password = m_links.passwordEdit->text();
    profile.password = profile.passwordInFile ? password : QString();

    const ProfileBook before = m_book;
    m_book.add(profile);
    m_book.setLast(name);
    if (!saveBook()) {
        m_book = before;
        return;
    }
    m_links.log(QStringLiteral("Профиль «%1» сохранён в %2.")
                        .arg(name, QDir::toNativeSeparators(m_book.path())));
    if (!profile.passwordInFile && !password.isEmpty() &&
        noted(m_keychain.store(name, password)).status == Keychain::Status::Ok)
        m_links.log(QStringLiteral("Пароль профиля «%1» записан в связку ключей.").arg(name));
    m_combo->addItem(name);
    m_combo->setCurrentIndex(m_combo->count() - 1);
    m_chosen = name;
    m_passwordKnown = true;
    m_storeAfterLogin = false;
    updateButtons();
}

void ProfilePanel::removeChosen() {
    const ConnectionProfile* found = m_book.find(m_chosen);
    if (!found)
        return;
    const ConnectionProfile profile = *found;
    if (!m_dialogs.confirm(QStringLiteral("Удаление профиля"),
                           QStringLiteral("Удалить профиль «%1»?").arg(profile.name),
                           DialogService::Icon::Question))
        return;
    const ProfileBook before = m_book;
    m_book.remove(profile.name);
    if (!saveBook()) {
        m_book = before;
        return;
    }
    if (!profile.passwordInFile)
        noted(m_keychain.remove(profile.name));
    m_links.log(QStringLiteral("Профиль «%1» удалён.").arg(profile.name));
    m_combo->removeItem(m_combo->findText(profile.name, Qt::MatchFixedString));
    m_combo->setCurrentIndex(-1);
    m_chosen.clear();
    m_passwordKnown = true;
    m_storeAfterLogin = false;
    updateButtons();
}

ConnectionPage::ConnectStep ProfilePanel::beforeConnect() {
    const ConnectionProfile* profile = m_book.find(m_chosen);
    if (!profile)
        return ConnectionPage::ConnectStep::Connect;
    if (!m_passwordKnown) {
        const ConnectionProfile fields = m_links.fields();
        const std::optional<QString> password = m_dialogs.askText(
                {QStringLiteral("Пароль"),
                 QStringLiteral("Пароль пользователя %1 на %2:%3 (профиль «%4»):")
                         .arg(fields.user, fields.host, fields.port, profile->name),
                 QString(), true});
        if (!password)
            return ConnectionPage::ConnectStep::Cancel;
        m_links.passwordEdit->setText(*password);
        m_passwordKnown = true;
        m_storeAfterLogin = m_keyringLacksPassword;
    }
    return ConnectionPage::ConnectStep::Reconnect;
}

void ProfilePanel::afterConnect(bool connected) {
    if (!m_storeAfterLogin || !connected)
        return;
    m_storeAfterLogin = false;
    if (noted(m_keychain.store(m_chosen, m_links.passwordEdit->text())).status ==
        Keychain::Status::Ok) {
        m_keyringLacksPassword = false;
        m_links.log(QStringLiteral("Пароль профиля «%1» записан в связку ключей.").arg(m_chosen));
    }
}

bool ProfilePanel::saveBook() {
    if (m_book.writable() && m_links.prepareFolder() && m_book.save())
        return true;
    m_dialogs.error(kCaption, QStringLiteral("Не удалось записать файл профилей %1.")
                                      .arg(QDir::toNativeSeparators(m_book.path())));
    return false;
}

Keychain::Answer ProfilePanel::noted(Keychain::Answer answer) {
    if (answer.status == Keychain::Status::Unavailable && !m_unavailableSaid) {
        m_unavailableSaid = true;
        m_links.log(
                QStringLiteral("Связка ключей недоступна (%1): пароли профилей в ней не хранятся. "
                               "Пароль спрашивается при подключении; чтобы хранить его в "
                               "Profiles.ini, отметьте «Запомнить пароль в файле» и сохраните "
                               "профиль.")
                        .arg(answer.error));
    }
    return answer;
}

void ProfilePanel::updateButtons() {
    const bool writable = m_hasFolder && m_book.writable();
    m_saveAs->setEnabled(writable);
    m_delete->setEnabled(writable && !m_chosen.isEmpty());
}
