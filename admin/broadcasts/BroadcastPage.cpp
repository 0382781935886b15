#include "broadcasts/BroadcastPage.h"

#include "DialogService.h"
#include "FramedPanel.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "broadcasts/BroadcastExport.h"
#include "common/ListReadFailure.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "journal/UndoScope.h"
#include "schema/Schemas.h"
#include "uMysqlClient.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

using broadcastsql::Column;

namespace {

const QString kAddFailed = QStringLiteral(
        "Ошибка добавления: Нет связи с сервером или не возможно добавить пустую запись!\r\n"
        "\r\n"
        "Наберите новое объявление в поле редактирования и нажмите ДОБАВИТЬ.");
const QString kSaveFailed =
        QStringLiteral("Ошибка сохранения: Нет связи с сервером или не выбрана запись!");
const QString kDeleteFailed = QStringLiteral("Ошибка удаления!");
const QString kAddCaption = QStringLiteral("Добавление объявления");

constexpr int kTopPanelHeight = 68;

// The grid's caption and width of a column; the text column's width is the
// rest.
QString caption(Column column) {
    switch (column) {
    case Column::Id:
        return QStringLiteral("№");
    case Column::Text:
        return QStringLiteral("Объявление");
    case Column::Next:
        return QStringLiteral("След.");
    case Column::Weight:
        return QStringLiteral("Вес");
    case Column::Realm:
        break;
    }
    return QStringLiteral("Реалм");
}

int columnWidth(Column column) {
    switch (column) {
    case Column::Id:
        return 35;
    case Column::Next:
    case Column::Weight:
        return 30;
    case Column::Text:
        return 0;
    case Column::Realm:
        break;
    }
    return 40;
}

} // namespace

BroadcastPage::BroadcastPage(QueryContext& context, WindowLinks& links, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_links(links) {
    setObjectName(QStringLiteral("TabSheet2"));

    auto* top = new FramedPanel(this, Qt::darkGray);
    top->setObjectName(QStringLiteral("dxContainer3"));
    top->setFixedHeight(kTopPanelHeight);
    m_id = placeEdit(top, "dxDNEdit6", 8, 8, 49);
    makeReadOnlyTinted(m_id);
    m_text = placeEdit(top, "dxDNEdit5", 61, 8, 662);
    m_next = placeEdit(top, "dxDNEdit52", 8, 37, 49);
    installDigitsOnlyFilter(m_next);
    m_controls = {m_id, m_text, m_next};

    const struct {
        const char* name;
        const char* caption;
        int width;
        void (BroadcastPage::*handler)();
    } buttons[] = {
            {"dxButton7", "Загрузить таблицу", 120, &BroadcastPage::refresh},
            {"dxButton4", "Сохранить", 80, &BroadcastPage::saveMessage},
            {"dxButton5", "Добавить", 80, &BroadcastPage::addMessage},
            {"dxButton6", "Удалить", 80, &BroadcastPage::deleteMessage},
            {"dxButton12", "Export to SQL", 90, &BroadcastPage::exportMessages},
    };
    int x = 61;
    for (const auto& button : buttons) {
        QPushButton* control = placeButton(top, button.name, QString::fromUtf8(button.caption), x,
                                           36, button.width, 23);
        connect(control, &QPushButton::clicked, this,
                guardedHandler(m_context, this, button.handler));
        m_controls << control;
        x += button.width + 4;
    }
    QLabel* patch =
            placeHeading(top, "Label45", QStringLiteral("AUTOBROADCAST patch"), 560, 40, 163);
    patch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_absent = new QLabel(this);
    m_absent->setObjectName(QStringLiteral("broadcastAbsentLabel"));
    m_absent->setContentsMargins(8, 6, 8, 6);
    m_absent->setWordWrap(true);
    m_absent->hide();

    m_grid = new StringGrid(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setColCount(3);
    m_grid->setRowCount(2);
    m_grid->hide();
    m_grid->installEventFilter(this);
    connect(m_grid, &StringGrid::cellSelected, this, [this](int col, int row) {
        m_context.guarded([this, col, row] { selectMessage(col, row); });
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(m_absent);
    layout->addWidget(m_grid, 1);
}

void BroadcastPage::shown() {
    refresh();
}

void BroadcastPage::applyWidthRule() {
    int others = 60;
    for (Column column : m_columns) {
        if (column != Column::Id && column != Column::Text)
            others += columnWidth(column);
    }
    if (m_columns.isEmpty())
        others = 90;
    m_grid->setColWidth(0, 35);
    m_grid->setColWidth(1, m_grid->width() - others);
}

bool BroadcastPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::Resize)
        applyWidthRule();
    return QWidget::eventFilter(watched, event);
}

schema::BroadcastSchema BroadcastPage::broadcasts() const {
    return m_context.schemas().broadcasts();
}

Database BroadcastPage::database(const schema::BroadcastSchema& b) const {
    return schema::databaseOf(b.database);
}

QString BroadcastPage::absentText(const schema::BroadcastSchema& b) const {
    schema::Schemas& schemas = m_context.schemas();
    if (b.missing.isEmpty())
        return QStringLiteral("В схеме %1 нет таблицы автооповещений.")
                .arg(schema::familyName(schemas.family(schema::Role::Login),
                                        schemas.detection(schema::Role::Login).variant));
    return QStringLiteral("В базе %1 нет таблицы автооповещений: не хватает %2.")
            .arg(m_context.databaseName(database(b)), b.missing.join(QStringLiteral(", ")));
}

bool BroadcastPage::showColumnsOf(const schema::BroadcastSchema& b) {
    const bool present = b.present();
    const QString why = present ? QString() : absentText(b);
    m_absent->setText(why);
    m_absent->setVisible(!present);
    for (QWidget* control : m_controls) {
        control->setEnabled(present);
        control->setToolTip(why);
    }
    m_columns = present ? broadcastsql::columns(b) : QList<Column>();
    const bool third = m_columns.contains(Column::Next) || m_columns.contains(Column::Weight);
    m_next->setVisible(third);
    if (present) {
        m_next->setToolTip(m_columns.contains(Column::Weight) ? caption(Column::Weight)
                                                              : QString());
    } else {
        m_grid->hide();
    }
    return present;
}

void BroadcastPage::refresh() {
    const schema::BroadcastSchema b = broadcasts();
    if (!showColumnsOf(b))
        return;
    if (!readList(m_context, database(b), broadcastsql::listSelect(b),
                  QStringLiteral("список автооповещений")))
        return;
    const int rows = m_context.rowCount();
    const int columns = int(m_columns.size());
    m_grid->setColCount(columns);
    prepareGridRows(*m_grid, rows);
    m_grid->hide();
    QStringList titles;
    QList<int> widths;
    for (Column column : m_columns) {
        titles << caption(column);
        widths << columnWidth(column);
    }
    setGridHeader(*m_grid, titles, widths);
    applyWidthRule();
    m_grid->setRowHeight(0, 18);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col)
            m_grid->setCell(col, row + 1, m_context.value(row, col));
        m_grid->setRowHeight(row + 1, 20);
    }
    m_grid->show();
}

void BroadcastPage::selectMessage(int col, int row) {
    const int columns = int(m_columns.size());
    if (col < 1 || col >= qMax(columns, 3) || row < 1)
        return;
    applyWidthRule();
    m_text->setText(m_grid->cell(1, row));
    const bool third =
            columns > 2 && (m_columns[2] == Column::Next || m_columns[2] == Column::Weight);
    m_next->setText(third ? m_grid->cell(2, row) : QString());
    const qsizetype realm = m_columns.indexOf(Column::Realm);
    m_realm = realm >= 0 ? m_grid->cell(int(realm), row) : QString();
    m_id->setText(m_grid->cell(0, row));
}

qint64 BroadcastPage::readNumber(const QString& statement, const QString& what) {
    QString error;
    const std::unique_ptr<mysql::TMysqlResult> result = m_context.read(statement, &error);
    if (!result || result->RowCount() < 1) {
        reportListReadFailure(m_context, what,
                              error.isEmpty() ? QStringLiteral("нет строк в ответе сервера")
                                              : error);
        return -1;
    }
    result->Seek(0);
    return QByteArray(result->Value(0), qsizetype(result->ValueLength(0))).toLongLong();
}

bool BroadcastPage::addUnderId(const schema::BroadcastSchema& b, const QString& weight) {
    QString error;
    const std::unique_ptr<mysql::TMysqlResult> result =
            m_context.read(broadcastsql::usedIdsSelect(b), &error);
    if (!result) {
        reportListReadFailure(m_context, QStringLiteral("номера автооповещений"), error);
        return false;
    }
    QList<int> used;
    for (uint64_t row = 0; row < result->RowCount(); ++row) {
        result->Seek(int64_t(row));
        used << QByteArray(result->Value(0), qsizetype(result->ValueLength(0))).toInt();
    }
    const int id = broadcastsql::nextFreeId(used, b.idLimit);
    if (id == 0) {
        m_context.dialogs().error(
                kAddCaption,
                QStringLiteral("Объявление не добавлено: в таблице %1 заняты все номера от 1 до "
                               "%2 (столбец %3 больше не вмещает). Удалите ненужное объявление.")
                        .arg(b.table)
                        .arg(b.idLimit)
                        .arg(b.id.write));
        return false;
    }
    const QString number = QString::number(id);
    const QString statement =
            broadcastsql::insert(m_text->text(), m_context.quoting(), b, weight, number);
    return runUndoableChanges(m_context, QStringLiteral("broadcast-add"),
                              broadcastsql::insertUndo(number, b), {statement});
}

bool BroadcastPage::addWithString(const schema::BroadcastSchema& b) {
    const qint64 found = readNumber(broadcastsql::newStringNumberSelect(b),
                                    QStringLiteral("номер новой строки ") + b.strings);
    if (found < 0)
        return false;
    if (found > b.stringLimit) {
        m_context.dialogs().error(kAddCaption,
                                  QStringLiteral("Объявление не добавлено: в таблице %1 нет номера "
                                                 "выше %2 для новой строки.")
                                          .arg(b.strings)
                                          .arg(b.stringLimit));
        return false;
    }
    const QString number = QString::number(found);
    const QString string =
            broadcastsql::insertString(number, m_text->text(), m_context.quoting(), b);
    const QString row = broadcastsql::insert(m_text->text(), m_context.quoting(), b, {}, number);
    return runUndoableChanges(m_context, QStringLiteral("broadcast-add"),
                              broadcastsql::insertUndo(number, b), {string, row});
}

void BroadcastPage::addMessage() {
    if (trimControls(m_text->text()).isEmpty()) {
        m_context.dialogs().notice(kAddFailed);
        return;
    }
    const schema::BroadcastSchema b = broadcasts();
    if (!showColumnsOf(b))
        return;
    if (!m_context.switchDatabase(database(b)))
        return;
    bool added;
    if (b.textInStrings())
        added = addWithString(b);
    else if (b.idLimit > 0)
        added = addUnderId(b, m_next->text());
    else
        added = m_context.runChange(
                broadcastsql::insert(m_text->text(), m_context.quoting(), b, m_next->text()));
    if (added)
        refresh();
}

void BroadcastPage::saveMessage() {
    if (trimControls(m_text->text()).isEmpty())
        return;
    const schema::BroadcastSchema b = broadcasts();
    if (!showColumnsOf(b))
        return;
    if (!m_context.switchDatabase(database(b), QueryContext::UseForm::WithSemicolon,
                                  QueryContext::SetNames::Skip) ||
        trimControls(m_id->text()).isEmpty()) {
        m_context.dialogs().notice(kSaveFailed);
        return;
    }
    m_context.run(QStringLiteral("SET NAMES utf8;"));
    if (!runUndoableChange(m_context, QStringLiteral("broadcast-save"),
                           broadcastsql::updateUndo(m_id->text(), b, m_realm),
                           broadcastsql::update(m_text->text(), m_next->text(), m_id->text(),
                                                m_context.quoting(), b, m_realm)))
        return;
    refresh();
}

void BroadcastPage::deleteMessage() {
    if (trimControls(m_text->text()).isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kDeleteBroadcast))
        return;
    const schema::BroadcastSchema b = broadcasts();
    if (!showColumnsOf(b))
        return;
    if (!m_context.switchDatabase(database(b), QueryContext::UseForm::WithSemicolon,
                                  QueryContext::SetNames::Skip)) {
        m_context.dialogs().notice(kDeleteFailed);
        return;
    }
    if (!runUndoableChange(m_context, QStringLiteral("broadcast-delete"),
                           broadcastsql::removeUndo(m_id->text(), b, m_realm),
                           broadcastsql::remove(m_id->text(), b, m_realm)))
        return;
    refresh();
}

void BroadcastPage::exportMessages() {
    const schema::BroadcastSchema b = broadcasts();
    if (!showColumnsOf(b))
        return;
    const QString databaseName = m_context.databaseName(database(b));
    const QString path = m_context.dialogs().saveFileName(
            {broadcastexport::defaultFileName(databaseName), m_links.exportDirectory(),
             broadcastexport::fileFilters()});
    if (path.isEmpty())
        return;
    if (!readList(m_context, database(b), broadcastsql::listSelect(b),
                  QStringLiteral("список автооповещений")))
        return;
    const qsizetype weight = m_columns.indexOf(Column::Weight);
    const qsizetype realm = m_columns.indexOf(Column::Realm);
    QList<broadcastexport::Message> messages;
    const int rows = m_context.rowCount();
    messages.reserve(rows);
    for (int row = 0; row < rows; ++row)
        messages << broadcastexport::Message{
                m_context.value(row, 1),
                weight >= 0 ? m_context.value(row, int(weight)) : QString(),
                realm >= 0 ? m_context.value(row, int(realm)) : QString()};
    broadcastexport::writeFile(path, broadcastexport::script(messages, m_links.exportUtf8(), b));
}
