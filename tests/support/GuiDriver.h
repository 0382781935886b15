#pragma once

#include "ScriptedDialogs.h"
#include "ScriptedKeychain.h"
#include "TestServer.h"

#include <QByteArray>
#include <QMap>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class QMenu;
class StringGrid;
class TForm1;

// Runs the real main window offscreen, in a temporary directory of its own,
// and works it as a person would: by control names, mouse clicks and typing.
// Boxes are answered by the scripted dialog service.
class GuiDriver {
public:
    GuiDriver();
    ~GuiDriver();

    QString directory() const { return m_dir.path(); }
    QString settingsPath() const;
    void writeSettings(const QByteArray& contents);
    // Profiles.ini beside Settings.ini.
    QString profilesPath() const;
    void writeProfiles(const QByteArray& contents);
    // A settings file that connects to the test server, with the four
    // databases assigned; extra keys are "section/key" = value. In a run
    // over TLS (TestServer::tlsCompressedRun) the file requires TLS unless
    // the keys say otherwise.
    static QByteArray settingsFor(const TestServer& server,
                                  const QMap<QString, QString>& overrides = {});

    // Creates the window (running its creation handler) and shows it.
    TForm1& start();
    // Creates the window (running its creation handler) without showing it.
    TForm1& create();
    // Works another widget instead of the window (for instance a page built
    // on its own); the widget must outlive its use.
    void attach(QWidget* root);
    // Destroys the window (running its destroy handler). In a run over TLS,
    // a connected session must be encrypted and compressed.
    void stop();
    TForm1& window() const { return *m_window; }
    bool running() const { return m_window != nullptr; }

    ScriptedDialogs dialogs;
    // Keeps the profiles' passwords of the window.
    ScriptedKeychain keychain;

    template <class T = QWidget>
    T* find(const QString& name) const;

    void click(const QString& name);
    // Types the text key by key into an edit or an editable combo box, after
    // giving it the focus; the key filters see every key.
    void type(const QString& name, const QString& text);
    // Selects all text of an edit and deletes it, as a person would.
    void clearText(const QString& name);
    // Clears the edit, then types the text.
    void retype(const QString& name, const QString& text);
    // Chooses an item of a combo box by its text, as from the drop-down list.
    void choose(const QString& comboName, const QString& itemText);
    // Scrolls the grid to the cell and clicks it.
    void selectCell(const QString& gridName, int col, int row);
    // Scrolls to and clicks the cell in column clickCol of the first data row
    // whose cells hold the given texts (column, text); a grid without such a
    // row stops the test.
    void selectRowWhere(const QString& gridName, const QList<std::pair<int, QString>>& cells,
                        int clickCol = 1);
    void selectRowWhere(const QString& gridName, int keyCol, const QString& key, int clickCol = 1) {
        selectRowWhere(gridName, {{keyCol, key}}, clickCol);
    }
    void doubleClickGrid(const QString& gridName, int col = 1, int row = 1);
    // Opens the grid's context menu with a right click and clicks the item
    // with the given object name (in a submenu: "submenuName/itemName").
    void chooseMenuItem(const QString& gridName, const QString& itemPath);
    // The same with a right click on the given cell: the button goes down on
    // the cell, then the menu opens there.
    void chooseMenuItemAt(const QString& gridName, int col, int row, const QString& itemPath);
    // Pastes the text into an edit (or an editable combo box) in place of
    // what it holds, as a person would with the clipboard.
    void paste(const QString& name, const QString& text);
    // The texts of a grid row.
    QStringList gridRow(const QString& gridName, int row) const;
    // The texts of a grid column, data rows only.
    QStringList gridColumn(const QString& gridName, int col) const;
    // The first data row whose cells hold the given texts (column, text), or
    // -1.
    int rowWhere(const QString& gridName, const QList<std::pair<int, QString>>& cells) const;
    int rowWhere(const QString& gridName, int col, const QString& text) const {
        return rowWhere(gridName, {{col, text}});
    }
    // Writes a picture of the window as it looks now.
    bool grabWindow(const QString& pngPath);

private:
    // The named control; a missing one stops the test, naming what it is.
    template <class T>
    T* need(const QString& name, const char* what) const;
    // What a person types into: the named control, or the edit of the named
    // editable combo box; it gets the focus.
    QWidget* focusTypingTarget(const QString& name);
    void chooseFromMenuAt(StringGrid* grid, const QPoint& point, const QString& itemPath);

    QTemporaryDir m_dir;
    std::unique_ptr<TForm1> m_window;
    QWidget* m_root = nullptr; // the window, as a widget
};

template <class T>
T* GuiDriver::find(const QString& name) const {
    if (!m_root)
        return nullptr;
    return m_root->findChild<T*>(name);
}
