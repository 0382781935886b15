#include "GuiDriver.h"

#include "KeyTyping.h"

#include "StringGrid.h"
#include "TForm1.h"
#include "connection/ConnectionPage.h"
#include "uMysqlClient.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

template <class T>
T* GuiDriver::need(const QString& name, const char* what) const {
    auto* control = find<T>(name);
    if (!control)
        qFatal("no %s %s", what, qPrintable(name));
    return control;
}

GuiDriver::GuiDriver() {
    ConnectionPage::setCompressedConnections(TestServer::tlsCompressedRun());
}

GuiDriver::~GuiDriver() {
    stop();
}

QString GuiDriver::settingsPath() const {
    return m_dir.filePath(QStringLiteral("Settings.ini"));
}

namespace {

void writeFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

void GuiDriver::writeSettings(const QByteArray& contents) {
    writeFile(settingsPath(), contents);
}

QString GuiDriver::profilesPath() const {
    return m_dir.filePath(QStringLiteral("Profiles.ini"));
}

void GuiDriver::writeProfiles(const QByteArray& contents) {
    writeFile(profilesPath(), contents);
}

QByteArray GuiDriver::settingsFor(const TestServer& server,
                                  const QMap<QString, QString>& overrides) {
    QMap<QString, QString> values = {
            {QStringLiteral("server/host"), server.host},
            {QStringLiteral("server/port"), QString::number(server.port)},
            {QStringLiteral("server/user"), server.user},
            {QStringLiteral("server/password"), server.password},
            {QStringLiteral("Base/realmd"), QStringLiteral("realmd")},
            {QStringLiteral("Base/mangos"), QStringLiteral("mangos")},
            {QStringLiteral("Base/characters"), QStringLiteral("characters")},
            {QStringLiteral("Base/scriptdev2"), QStringLiteral("scriptdev2")},
            {QStringLiteral("server/autologin"), QStringLiteral("On")},
    };
    if (TestServer::tlsCompressedRun())
        values[QStringLiteral("TLS/Mode")] = QStringLiteral("required");
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        values[it.key()] = it.value();
    QMap<QString, QStringList> sections;
    QStringList order;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString section = it.key().section(u'/', 0, 0);
        if (!sections.contains(section))
            order << section;
        sections[section] << it.key().section(u'/', 1) + u'=' + it.value();
    }
    QString text;
    for (const QString& section : order)
        text += u'[' + section + QStringLiteral("]\n") + sections[section].join(u'\n') + u'\n';
    return text.toUtf8();
}

TForm1& GuiDriver::start() {
    create();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("the window was not exposed");
    return *m_window;
}

TForm1& GuiDriver::create() {
    TForm1::applyProgramFont();
    m_window = std::make_unique<TForm1>(m_dir.path(), dialogs, keychain);
    m_root = m_window.get();
    return *m_window;
}

void GuiDriver::attach(QWidget* root) {
    m_root = root;
}

void GuiDriver::stop() {
    if (m_window && TestServer::tlsCompressedRun() && m_window->context().hasSession()) {
        mysql::TMysqlClient& session = m_window->context().session();
        if (session.Connected() && !(session.Encrypted() && session.Net().Compress()))
            qFatal("a run over TLS with compression connected otherwise");
    }
    m_root = nullptr;
    m_window.reset();
}

void GuiDriver::click(const QString& name) {
    auto* button = need<QAbstractButton>(name, "button");
    QTest::mouseClick(button, Qt::LeftButton);
}

QWidget* GuiDriver::focusTypingTarget(const QString& name) {
    QWidget* target = need<QWidget>(name, "control");
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit())
        target = combo->lineEdit();
    target->setFocus(Qt::MouseFocusReason);
    return target;
}

void GuiDriver::type(const QString& name, const QString& text) {
    typeText(focusTypingTarget(name), text);
}

void GuiDriver::clearText(const QString& name) {
    QWidget* target = focusTypingTarget(name);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
}

void GuiDriver::retype(const QString& name, const QString& text) {
    clearText(name);
    if (!text.isEmpty())
        type(name, text);
}

void GuiDriver::choose(const QString& comboName, const QString& itemText) {
    auto* combo = need<QComboBox>(comboName, "combo box");
    const int index = combo->findText(itemText, Qt::MatchExactly);
    if (index < 0)
        qFatal("%s has no item %s", qPrintable(comboName), qPrintable(itemText));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    const QRect rect = view->visualRect(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::qWait(10);
    if (view->isVisible())
        combo->hidePopup();
}

void GuiDriver::selectCell(const QString& gridName, int col, int row) {
    auto* grid = need<StringGrid>(gridName, "grid");
    grid->scrollToCell(col, row);
    const QRect rect = grid->cellRect(col, row);
    if (rect.isEmpty())
        qFatal("cell %d,%d of %s is not visible", col, row, qPrintable(gridName));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

void GuiDriver::selectRowWhere(const QString& gridName, const QList<std::pair<int, QString>>& cells,
                               int clickCol) {
    const int row = rowWhere(gridName, cells);
    if (row < 0) {
        QStringList wanted;
        for (const auto& [col, text] : cells)
            wanted << QStringLiteral("%1 in column %2").arg(text).arg(col);
        qFatal("%s shows no row with %s", qPrintable(gridName),
               qPrintable(wanted.join(QStringLiteral(", "))));
    }
    selectCell(gridName, clickCol, row);
}

void GuiDriver::doubleClickGrid(const QString& gridName, int col, int row) {
    auto* grid = need<StringGrid>(gridName, "grid");
    grid->scrollToCell(col, row);
    const QPoint point = grid->cellRect(col, row).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, point);
}

void GuiDriver::chooseMenuItem(const QString& gridName, const QString& itemPath) {
    auto* grid = need<StringGrid>(gridName, "grid");
    chooseFromMenuAt(grid, grid->viewport()->rect().center(), itemPath);
}

void GuiDriver::chooseMenuItemAt(const QString& gridName, int col, int row,
                                 const QString& itemPath) {
    auto* grid = need<StringGrid>(gridName, "grid");
    grid->scrollToCell(col, row);
    const QRect rect = grid->cellRect(col, row);
    if (rect.isEmpty())
        qFatal("cell %d,%d of %s is not visible", col, row, qPrintable(gridName));
    const QPoint point = rect.center();
    QMouseEvent press(QEvent::MouseButtonPress, point, grid->viewport()->mapToGlobal(point),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &press);
    chooseFromMenuAt(grid, point, itemPath);
}

void GuiDriver::paste(const QString& name, const QString& text) {
    QWidget* target = focusTypingTarget(name);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void GuiDriver::chooseFromMenuAt(StringGrid* grid, const QPoint& point, const QString& itemPath) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, grid->viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid->viewport(), &event);
    QTest::qWait(10);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        qFatal("%s opened no context menu", qPrintable(grid->objectName()));
    const QStringList path = itemPath.split(u'/');
    for (int i = 0; i < path.size(); ++i) {
        QAction* action = menu->findChild<QAction*>(path[i]);
        if (!action)
            qFatal("the menu has no item %s", qPrintable(path[i]));
        menu->setActiveAction(action);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTest::qWait(10);
        if (i + 1 < path.size()) {
            menu = action->menu();
            if (!menu)
                qFatal("%s is not a submenu", qPrintable(path[i]));
            if (!menu->isVisible())
                menu->popup(QPoint(0, 0));
            QTest::qWait(10);
        }
    }
}

QStringList GuiDriver::gridRow(const QString& gridName, int row) const {
    auto* grid = find<StringGrid>(gridName);
    QStringList cells;
    if (!grid)
        return cells;
    for (int col = 0; col < grid->colCount(); ++col)
        cells << grid->cell(col, row);
    return cells;
}

QStringList GuiDriver::gridColumn(const QString& gridName, int col) const {
    auto* grid = need<StringGrid>(gridName, "grid");
    QStringList cells;
    for (int row = 1; row < grid->rowCount(); ++row)
        cells << grid->cell(col, row);
    return cells;
}

int GuiDriver::rowWhere(const QString& gridName,
                        const QList<std::pair<int, QString>>& cells) const {
    auto* grid = need<StringGrid>(gridName, "grid");
    for (int row = 1; row < grid->rowCount(); ++row) {
        const bool matches = std::all_of(cells.begin(), cells.end(), [&](const auto& cell) {
            return grid->cell(cell.first, row) == cell.second;
        });
        if (matches)
            return row;
    }
    return -1;
}

bool GuiDriver::grabWindow(const QString& pngPath) {
    if (!m_window)
        return false;
    QApplication::processEvents();
    return m_window->grab().save(pngPath, "PNG");
}
