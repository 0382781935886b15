#include "SettingsPanel.h"

#include "DialogService.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "common/RecordLimit.h"
#include "connection/ConnectionSecurity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SettingsPanel::SettingsPanel(DialogService& dialogs, QWidget* parent)
    : FramedPanel(parent, QColor(0, 0, 128))
    , m_dialogs(dialogs) {
    setObjectName(QStringLiteral("dxContainer4"));
    setGeometry(368, 16, 358, 496);

    // The buttons "Настройки" and "Выход" stand over the top left corner.
    auto* title = placeHeading(this, "Label11", QStringLiteral("Панель дополнительных настроек"),
                               96, 16, 250, true);
    title->resize(250, 18);

    placeWrappedLabel(this, QStringLiteral("Начальная вкладка"), 96, 42, 118, 16);
    m_startPage = placeCombo(this, "ComboBox7",
                             {QStringLiteral("Автооповещение"), QStringLiteral("Подключение"),
                              QStringLiteral("Реалм"), QStringLiteral("Управление героями"),
                              QStringLiteral("Учетные записи")},
                             216, 38, 134);
    m_startPage->setEditText(QStringLiteral("Подключение"));

    auto* cleanUp = new FramedPanel(this, QColor(0, 0, 128),
                                    QStringLiteral("Опции чистки учетных записей"));
    cleanUp->setObjectName(QStringLiteral("dxContainer20"));
    cleanUp->setGeometry(8, 72, 342, 194);
    placeWrappedLabel(cleanUp, QStringLiteral("Период удаления ста- рых аккаунтов (дней)"), 8, 20,
                      240, 30);
    m_erasePeriod = placeEdit(cleanUp, "dxDNEdit45", 256, 22, 76, QStringLiteral("150"));
    placeWrappedLabel(cleanUp, QStringLiteral("ID номер \"Служебного аккаунта\" "), 8, 56, 240, 16);
    m_adminAccount = placeEdit(cleanUp, "dxDNEdit46", 256, 54, 76, QStringLiteral("0"));
    placeWrappedLabel(cleanUp,
                      QStringLiteral("Уровень, ниже которого персонаж является не существенным"), 8,
                      82, 240, 30);
    m_lowLevel = placeEdit(cleanUp, "dxDNEdit47", 256, 86, 76, QStringLiteral("10"));
    placeWrappedLabel(cleanUp, QStringLiteral("Количество денег, считающееся чрезмерно большим"), 8,
                      116, 200, 34);
    m_cheatMoney = placeEdit(cleanUp, "dxDNEdit51", 212, 122, 120, QStringLiteral("1000000000"));
    for (QLineEdit* edit : {m_erasePeriod, m_adminAccount, m_lowLevel, m_cheatMoney})
        installDigitsOnlyFilter(edit);
    auto* moneyNote = placeWrappedLabel(
            cleanUp, QStringLiteral("Не забываем, что последние 4 цифры - это серебро и медь!"), 8,
            154, 324, 36);
    setTextColor(moneyNote, Qt::red);

    // The locale and the export encoding share a row, which leaves room for
    // the encryption settings below.
    auto* localisation =
            new FramedPanel(this, QColor(0, 0, 128), QStringLiteral("Опции локализации"));
    localisation->setObjectName(QStringLiteral("dxContainer10"));
    localisation->setGeometry(8, 274, 342, 48);
    placeWrappedLabel(localisation, QStringLiteral("Номер языка"), 8, 22, 100, 16);
    m_locale = placeCombo(localisation, "ComboBox6",
                          {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                           QStringLiteral("7"), QStringLiteral("8")},
                          112, 20, 60);
    m_locale->setEditText(QStringLiteral("8"));
    m_exportUtf8 = placeCheckBox(localisation, "dxCheckbox3",
                                 QStringLiteral("экспортировать в UTF-8"), 180, 20, 156);

    placeWrappedLabel(this,
                      QStringLiteral("Первоначальное значение ограничения количества записей"), 8,
                      326, 240, 30);
    m_recordsLimit = recordlimit::placeBox(this, "ComboBox17", 256, 330, 94, 22);

    auto* encryption =
            new FramedPanel(this, QColor(0, 0, 128), QStringLiteral("Шифрование соединения (TLS)"));
    encryption->setObjectName(QStringLiteral("tlsPanel"));
    encryption->setGeometry(8, 358, 342, 118);
    placeWrappedLabel(encryption, QStringLiteral("Режим"), 8, 20, 60, 16);
    m_tlsMode = placeCombo(encryption, "tlsModeCombo", security::modeCaptions(), 72, 18, 262);
    m_tlsMode->setEditable(false);
    m_tlsMode->setCurrentIndex(security::modeIndex(security::kDefaultMode));
    placeWrappedLabel(encryption, QStringLiteral("Файл CA"), 8, 46, 60, 16);
    m_tlsCaFile = placeEdit(encryption, "tlsCaFileEdit", 72, 44, 232);
    m_tlsCaFileButton =
            placeButton(encryption, "tlsCaFileButton", QStringLiteral("..."), 308, 43, 26, 23);
    connect(m_tlsCaFileButton, &QPushButton::clicked, this, &SettingsPanel::chooseCaFile);
    placeWrappedLabel(encryption, QStringLiteral("Ключ сервера"), 8, 70, 64, 16);
    m_tlsServerKey = placeEdit(encryption, "tlsServerKeyEdit", 72, 68, 232);
    m_tlsServerKey->setToolTip(QStringLiteral(
            "Открытый ключ RSA сервера (файл PEM). Без TLS пароль для caching_sha2_password и "
            "sha256_password шифруется этим ключом, и только если сервер предъявил тот же ключ."));
    m_tlsServerKeyButton =
            placeButton(encryption, "tlsServerKeyButton", QStringLiteral("..."), 308, 67, 26, 23);
    connect(m_tlsServerKeyButton, &QPushButton::clicked, this, &SettingsPanel::chooseServerKey);
    m_tlsAllowServerKey =
            placeCheckBox(encryption, "tlsAllowServerKeyBox",
                          QStringLiteral("Брать ключ у сервера (опасно без TLS)"), 8, 94, 326);
    m_tlsAllowServerKey->setToolTip(QStringLiteral(
            "Без TLS сервер присылает свой ключ сам, и пароль шифруется им. Подменивший сервер "
            "(\"человек посередине\") пришлёт свой ключ и прочтёт пароль. Включайте только для "
            "сервера в доверенной сети; надёжнее TLS или ключ в файле."));

    placeWrappedLabel(this, QStringLiteral("Журнал изменений"), 8, 482, 122, 16);
    m_journalFolder = placeEdit(this, "journalFolderEdit", 132, 480, 136);
    makeReadOnly(m_journalFolder);
    m_openJournalFolder =
            placeButton(this, "journalFolderButton", QStringLiteral("Открыть"), 272, 479, 78, 23);
}

security::ConnectionSettings SettingsPanel::connectionSettings() const {
    security::ConnectionSettings settings;
    const int index = m_tlsMode->currentIndex();
    settings.mode = index >= 0 && index < int(std::size(security::kModes))
                            ? security::modeKeyword(security::kModes[index])
                            : m_tlsMode->currentData().toString();
    settings.caFile = m_tlsCaFile->text();
    settings.serverPublicKey = m_tlsServerKey->text();
    settings.allowServerPublicKey = m_tlsAllowServerKey->isChecked();
    settings.oldPasswords = m_oldPasswords;
    return settings;
}

void SettingsPanel::setConnectionSettings(const security::ConnectionSettings& settings) {
    // An item for a word that names no mode, after the modes.
    while (m_tlsMode->count() > int(std::size(security::kModes)))
        m_tlsMode->removeItem(m_tlsMode->count() - 1);
    if (const std::optional<mysql::TTlsMode> mode = security::parseMode(settings.mode)) {
        m_tlsMode->setCurrentIndex(security::modeIndex(*mode));
    } else {
        m_tlsMode->addItem(QStringLiteral("Неизвестный режим \"%1\"").arg(settings.mode),
                           settings.mode);
        m_tlsMode->setCurrentIndex(m_tlsMode->count() - 1);
    }
    m_tlsCaFile->setText(settings.caFile);
    m_tlsServerKey->setText(settings.serverPublicKey);
    m_tlsAllowServerKey->setChecked(settings.allowServerPublicKey);
    m_oldPasswords = settings.oldPasswords;
}

void SettingsPanel::chooseCaFile() {
    DialogService::OpenFileRequest request;
    request.caption = QStringLiteral("Файл сертификатов CA");
    const QString current = m_tlsCaFile->text();
    request.directory = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    request.filters = {QStringLiteral("Сертификаты (*.pem *.crt *.cer)"),
                       QStringLiteral("Все файлы (*)")};
    const QString chosen = m_dialogs.openFileName(request);
    if (!chosen.isEmpty())
        m_tlsCaFile->setText(chosen);
}

void SettingsPanel::chooseServerKey() {
    DialogService::OpenFileRequest request;
    request.caption = QStringLiteral("Открытый ключ сервера");
    const QString current = m_tlsServerKey->text();
    request.directory = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    request.filters = {QStringLiteral("Ключи PEM (*.pem *.pub *.key)"),
                       QStringLiteral("Все файлы (*)")};
    const QString chosen = m_dialogs.openFileName(request);
    if (!chosen.isEmpty())
        m_tlsServerKey->setText(chosen);
}
