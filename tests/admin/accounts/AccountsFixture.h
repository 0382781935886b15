#pragma once

// What the tests of the accounts page share: the window started on the
// accounts page against the test server, and a few ways to read the grid.
#include "GuiDriver.h"
#include "ServerLog.h"
#include "StringGrid.h"
#include "TForm1.h"
#include "UndoReads.h"
#include "accounts/AccountStatements.h"

#include <QLabel>
#include <QStringList>
#include <QTabWidget>

namespace accountsfixture {

inline const QString kGrid = QStringLiteral("StringGrid2");
inline const QString kAccountsFailed =
        QStringLiteral("error|Результат поиска|Ошибка выполнения запроса!\r\nПовторите операция.");
inline const QString kAccountsNotFound =
        QStringLiteral("error|Результат поиска|Данные не найдены!");

// Starts the window with the demo databases and shows the accounts page,
// whose first showing loads the whole list.
inline TForm1& startOnAccountsPage(GuiDriver& gui, const TestServer& server,
                                   const QMap<QString, QString>& overrides = {}) {
    gui.writeSettings(GuiDriver::settingsFor(server, overrides));
    TForm1& window = gui.start();
    window.pageControl()->setCurrentIndex(3);
    return window;
}

inline StringGrid* grid(GuiDriver& gui) {
    return gui.find<StringGrid>(kGrid);
}

// The texts of one column, data rows only.
inline QStringList column(GuiDriver& gui, int col) {
    return gui.gridColumn(kGrid, col);
}

inline QStringList ids(GuiDriver& gui) {
    return column(gui, 0);
}

// The grid row that shows an account, or -1.
inline int rowOf(GuiDriver& gui, const QString& id) {
    const int index = ids(gui).indexOf(id);
    return index < 0 ? -1 : index + 1;
}

inline QString countText(GuiDriver& gui) {
    return gui.find<QLabel>(QStringLiteral("Label62"))->text();
}

// The list statement as the page sends it for these choices.
inline QString listQuery(const QString& filter = {}, accountsql::Sort sort = accountsql::Sort::Id,
                         bool descending = false, const QString& limit = QStringLiteral("Все"),
                         int offset = 0) {
    return accountsql::listStatement(filter, sort, descending, limit, offset);
}

// The statements of one list refresh, as logged.
inline QStringList refreshStatements(const QString& statement) {
    return ServerLog::asLogged(QStringList{QStringLiteral("use `realmd`"),
                                           QStringLiteral("SET NAMES utf8;"), statement});
}

// The database switch of the changes of the edit panel, the lookups before
// the change, then the change with what its undo script sends around it, as
// logged.
inline QStringList changeStatements(const QString& statement, const UndoTraffic& undo = {},
                                    const QStringList& lookups = {}) {
    return ServerLog::asLogged(
                   QStringList{QStringLiteral("use `realmd`;"), QStringLiteral("SET NAMES utf8;")} +
                   lookups) +
           undo.around({statement});
}

inline QStringList range(int first, int last) {
    QStringList numbers;
    for (int i = first; i <= last; ++i)
        numbers << QString::number(i);
    return numbers;
}

} // namespace accountsfixture
