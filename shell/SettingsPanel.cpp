#include "SettingsPanel.h"

#include "DialogService.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "common/RecordLimit.h"
#include "connection/ConnectionSecurity.h"

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

    auto* localisation =
            new FramedPanel(this, QColor(0, 0, 128), QStringLiteral("Опции локализации"));
    localisation->setObjectName(QStringLiteral("dxContainer10"));
    localisation->setGeometry(8, 274, 342, 76);
    placeWrappedLabel(localisation, QStringLiteral("Номер языка"), 8, 22, 100, 16);
    m_locale = placeCombo(localisation, "ComboBox6",
                          {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                           QStringLiteral("7"), QStringLiteral("8")},
                          112, 20, 60);
    m_locale->setEditText(QStringLiteral("8"));
    m_exportUtf8 = placeCheckBox(localisation, "dxCheckbox3",
                                 QStringLiteral("экспортировать в UTF-8"), 8, 48, 200);

    placeWrappedLabel(this,
                      QStringLiteral("Первоначальное значение ограничения количества записей"), 8,
                      356, 240, 30);
    m_recordsLimit = recordlimit::placeBox(this, "ComboBox17", 256, 360, 94, 22);

    auto* encryption =
            new FramedPanel(this, QColor(0, 0, 128), QStringLiteral("Шифрование соединения (TLS)"));
    encryption->setObjectName(QStringLiteral("tlsPanel"));
    encryption->setGeometry(8, 390, 342, 72);
    placeWrappedLabel(encryption, QStringLiteral("Режим"), 8, 20, 60, 16);
    m_tlsMode = placeCombo(encryption, "tlsModeCombo", security::modeCaptions(), 72, 18, 262);
    m_tlsMode->setEditable(false);
    m_tlsMode->setCurrentIndex(security::modeIndex(security::kDefaultMode));
    placeWrappedLabel(encryption, QStringLiteral("Файл CA"), 8, 46, 60, 16);
    m_tlsCaFile = placeEdit(encryption, "tlsCaFileEdit", 72, 44, 232);
    m_tlsCaFileButton =
            placeButton(encryption, "tlsCaFileButton", QStringLiteral("..."), 308, 43, 26, 23);
    connect(m_tlsCaFileButton, &QPushButton::clicked, this, &SettingsPanel::chooseCaFile);

    placeWrappedLabel(this, QStringLiteral("Журнал изменений"), 8, 470, 122, 16);
    m_journalFolder = placeEdit(this, "journalFolderEdit", 132, 468, 136);
    makeReadOnly(m_journalFolder);
    m_openJournalFolder =
            placeButton(this, "journalFolderButton", QStringLiteral("Открыть"), 272, 467, 78, 23);
}

QString SettingsPanel::tlsModeKeyword() const {
    const int index = m_tlsMode->currentIndex();
    return security::modeKeyword(index >= 0 && index < int(std::size(security::kModes))
                                         ? security::kModes[index]
                                         : security::kDefaultMode);
}

void SettingsPanel::setTlsModeKeyword(const QString& keyword) {
    m_tlsMode->setCurrentIndex(security::modeIndex(security::modeFromKeyword(keyword)));
}

mysql::TTlsOptions SettingsPanel::tlsOptions() const {
    mysql::TTlsOptions options;
    options.Mode = security::modeFromKeyword(tlsModeKeyword());
    options.CaFile = m_tlsCaFile->text().toStdString();
    return options;
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
