#include "broadcasts/BroadcastPage.h"

#include "DialogService.h"
#include "FramedPanel.h"
#include "KeyFilters.h"
#include "PlacedControls.h"
#include "StringGrid.h"
#include "broadcasts/BroadcastExport.h"
#include "broadcasts/BroadcastStatements.h"
#include "common/MessageTexts.h"
#include "common/QueryConventions.h"
#include "common/WindowLinks.h"
#include "journal/UndoScope.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kAddFailed = QStringLiteral(
        "Ошибка добавления: Нет связи с сервером или не возможно добавить пустую запись!\r\n"
        "\r\n"
        "Наберите новое объявление в поле редактирования и нажмите ДОБАВИТЬ.");
const QString kSaveFailed =
        QStringLiteral("Ошибка сохранения: Нет связи с сервером или не выбрана запись!");
const QString kDeleteFailed = QStringLiteral("Ошибка удаления!");

constexpr int kTopPanelHeight = 68;

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
        x += button.width + 4;
    }
    QLabel* patch =
            placeHeading(top, "Label45", QStringLiteral("AUTOBROADCAST patch"), 560, 40, 163);
    patch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

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
    layout->addWidget(m_grid, 1);
}

void BroadcastPage::shown() {
    refresh();
}

void BroadcastPage::applyWidthRule() {
    m_grid->setColWidth(0, 35);
    m_grid->setColWidth(1, m_grid->width() - 90);
}

bool BroadcastPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::Resize)
        applyWidthRule();
    return QWidget::eventFilter(watched, event);
}

void BroadcastPage::disableForTheRun() {
    setEnabled(false);
}

void BroadcastPage::refresh() {
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!m_context.run(broadcastsql::listSelect())) {
        disableForTheRun();
        return;
    }
    const int rows = m_context.rowCount();
    prepareGridRows(*m_grid, rows);
    m_grid->hide();
    setGridHeader(*m_grid,
                  {QStringLiteral("№"), QStringLiteral("Объявление"), QStringLiteral("След.")},
                  {35, m_grid->width() - 90, 30});
    m_grid->setRowHeight(0, 18);
    for (int row = 0; row < rows; ++row) {
        m_grid->setCell(0, row + 1, m_context.value(row, 0));
        m_grid->setCell(1, row + 1, m_context.value(row, 1));
        m_grid->setCell(2, row + 1, m_context.value(row, 2));
        m_grid->setRowHeight(row + 1, 20);
    }
    m_grid->show();
}

void BroadcastPage::selectMessage(int col, int row) {
    if (col < 1 || col > 2 || row < 1)
        return;
    applyWidthRule();
    m_text->setText(m_grid->cell(1, row));
    m_next->setText(m_grid->cell(2, row));
    m_id->setText(m_grid->cell(0, row));
}

void BroadcastPage::addMessage() {
    if (trimControls(m_text->text()).isEmpty()) {
        m_context.dialogs().notice(kAddFailed);
        return;
    }
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!m_context.runChange(broadcastsql::insert(m_text->text(), m_context.quoting())))
        return;
    refresh();
}

void BroadcastPage::saveMessage() {
    if (trimControls(m_text->text()).isEmpty())
        return;
    if (!m_context.switchDatabase(Database::Realmd, QueryContext::UseForm::WithSemicolon,
                                  QueryContext::SetNames::Skip) ||
        trimControls(m_id->text()).isEmpty()) {
        m_context.dialogs().notice(kSaveFailed);
        return;
    }
    m_context.run(QStringLiteral("SET NAMES utf8;"));
    if (!runUndoableChange(m_context, QStringLiteral("broadcast-save"),
                           broadcastsql::updateUndo(m_id->text()),
                           broadcastsql::update(m_text->text(), m_next->text(), m_id->text(),
                                                m_context.quoting())))
        return;
    refresh();
}

void BroadcastPage::deleteMessage() {
    if (trimControls(m_text->text()).isEmpty())
        return;
    if (!confirm(m_context.dialogs(), boxes::kDeleteBroadcast))
        return;
    if (!m_context.switchDatabase(Database::Realmd, QueryContext::UseForm::WithSemicolon,
                                  QueryContext::SetNames::Skip)) {
        m_context.dialogs().notice(kDeleteFailed);
        return;
    }
    if (!runUndoableChange(m_context, QStringLiteral("broadcast-delete"),
                           broadcastsql::removeUndo(m_id->text()),
                           broadcastsql::remove(m_id->text())))
        return;
    refresh();
}

void BroadcastPage::exportMessages() {
    const QString database = m_context.databaseName(Database::Realmd);
    const QString path = m_context.dialogs().saveFileName(
            {broadcastexport::defaultFileName(database), m_links.exportDirectory(),
             broadcastexport::fileFilters()});
    if (path.isEmpty())
        return;
    if (!m_context.switchDatabase(Database::Realmd))
        return;
    if (!m_context.run(broadcastsql::listSelect())) {
        disableForTheRun();
        return;
    }
    QStringList texts;
    const int rows = m_context.rowCount();
    texts.reserve(rows);
    for (int row = 0; row < rows; ++row)
        texts << m_context.value(row, 1);
    broadcastexport::writeFile(path, broadcastexport::script(texts, m_links.exportUtf8()));
}
