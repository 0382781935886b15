#include "SettingsPanel.h"

#include "KeyFilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    return label;
}

QLineEdit* addDigitsEdit(QWidget* parent, const char* name, const QString& text,
                         const QRect& geometry) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    installDigitsOnlyFilter(edit);
    return edit;
}

QComboBox* addCombo(QWidget* parent, const char* name, const QStringList& items,
                    const QString& text, const QRect& geometry) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(text);
    combo->setGeometry(geometry);
    return combo;
}

} // namespace

SettingsPanel::SettingsPanel(QWidget* parent)
    : FramedPanel(parent, QColor(0, 0, 128)) {
    setObjectName(QStringLiteral("dxContainer4"));
    setGeometry(368, 16, 358, 465);

    // The buttons "Настройки" and "Выход" stand over the top left corner.
    auto* title = new QLabel(QStringLiteral("Панель дополнительных настроек"), this);
    title->setObjectName(QStringLiteral("Label11"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    title->setFont(titleFont);
    title->setGeometry(96, 16, 250, 18);

    addLabel(this, QStringLiteral("Начальная вкладка"), QRect(96, 42, 118, 16));
    m_startPage = addCombo(this, "ComboBox7",
                           {QStringLiteral("Автооповещение"), QStringLiteral("Подключение"),
                            QStringLiteral("Реалм"), QStringLiteral("Управление героями"),
                            QStringLiteral("Учетные записи")},
                           QStringLiteral("Подключение"), QRect(216, 38, 134, 22));

    auto* cleanUp = new FramedPanel(this, QColor(0, 0, 128),
                                    QStringLiteral("Опции чистки учетных записей"));
    cleanUp->setObjectName(QStringLiteral("dxContainer20"));
    cleanUp->setGeometry(8, 72, 342, 200);
    addLabel(cleanUp, QStringLiteral("Период удаления ста- рых аккаунтов (дней)"),
             QRect(8, 20, 240, 30));
    m_erasePeriod =
            addDigitsEdit(cleanUp, "dxDNEdit45", QStringLiteral("150"), QRect(256, 22, 76, 21));
    addLabel(cleanUp, QStringLiteral("ID номер \"Служебного аккаунта\" "), QRect(8, 56, 240, 16));
    m_adminAccount =
            addDigitsEdit(cleanUp, "dxDNEdit46", QStringLiteral("0"), QRect(256, 54, 76, 21));
    addLabel(cleanUp, QStringLiteral("Уровень, ниже которого персонаж является не существенным"),
             QRect(8, 82, 240, 30));
    m_lowLevel = addDigitsEdit(cleanUp, "dxDNEdit47", QStringLiteral("10"), QRect(256, 86, 76, 21));
    addLabel(cleanUp, QStringLiteral("Количество денег, считающееся чрезмерно большим"),
             QRect(8, 116, 200, 34));
    m_cheatMoney = addDigitsEdit(cleanUp, "dxDNEdit51", QStringLiteral("1000000000"),
                                 QRect(212, 122, 120, 21));
    auto* moneyNote = addLabel(
            cleanUp, QStringLiteral("Не забываем, что последние 4 цифры - это серебро и медь!"),
            QRect(8, 154, 324, 36));
    QPalette notePalette = moneyNote->palette();
    notePalette.setColor(QPalette::WindowText, Qt::red);
    moneyNote->setPalette(notePalette);

    auto* localisation =
            new FramedPanel(this, QColor(0, 0, 128), QStringLiteral("Опции локализации"));
    localisation->setObjectName(QStringLiteral("dxContainer10"));
    localisation->setGeometry(8, 282, 342, 76);
    addLabel(localisation, QStringLiteral("Номер языка"), QRect(8, 22, 100, 16));
    m_locale = addCombo(localisation, "ComboBox6",
                        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                         QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                         QStringLiteral("7"), QStringLiteral("8")},
                        QStringLiteral("8"), QRect(112, 20, 60, 22));
    m_exportUtf8 = new QCheckBox(QStringLiteral("экспортировать в UTF-8"), localisation);
    m_exportUtf8->setObjectName(QStringLiteral("dxCheckbox3"));
    m_exportUtf8->setGeometry(8, 48, 200, 20);

    addLabel(this, QStringLiteral("Первоначальное значение ограничения количества записей"),
             QRect(8, 370, 240, 30));
    m_recordsLimit =
            addCombo(this, "ComboBox17",
                     {QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("100"),
                      QStringLiteral("500"), QStringLiteral("1000"), QStringLiteral("2000"),
                      QStringLiteral("3000"), QStringLiteral("Первая"), QStringLiteral("Все")},
                     QStringLiteral("Все"), QRect(256, 374, 94, 22));
    m_recordsLimit->setMaxVisibleItems(10);
}
