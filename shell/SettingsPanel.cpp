#include "SettingsPanel.h"

#include "KeyFilters.h"
#include "PlacedControls.h"
#include "RecordLimit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SettingsPanel::SettingsPanel(QWidget* parent)
    : FramedPanel(parent, QColor(0, 0, 128)) {
    setObjectName(QStringLiteral("dxContainer4"));
    setGeometry(368, 16, 358, 465);

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
    cleanUp->setGeometry(8, 72, 342, 200);
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
    localisation->setGeometry(8, 282, 342, 76);
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
                      370, 240, 30);
    m_recordsLimit = recordlimit::placeBox(this, "ComboBox17", 256, 374, 94, 22);

    placeWrappedLabel(this, QStringLiteral("Журнал изменений и сценарии отмены:"), 8, 408, 342, 16);
    m_journalFolder = placeEdit(this, "journalFolderEdit", 8, 428, 258);
    makeReadOnly(m_journalFolder);
    m_openJournalFolder =
            placeButton(this, "journalFolderButton", QStringLiteral("Открыть"), 272, 427, 78, 23);
}
