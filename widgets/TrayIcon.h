#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QSystemTrayIcon;
class QWidget;

// Minimise-to-tray for the main window. Where the desktop has a notification
// area, minimising hides the window and shows the icon; a double click on the
// icon brings the window back (the icon then stays). Where there is no tray,
// minimising leaves the window minimised, as usual.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    // The hint is cut to the 127 characters that a notification area shows.
    static constexpr int kMaxHintLength = 127;

    TrayIcon(QWidget* window, const QIcon& icon, const QString& hint);

    bool trayAvailable() const { return m_tray != nullptr; }
    bool iconVisible() const;
    QString hint() const { return m_hint; }
    // Brings the window back as a double click on the icon does.
    void restoreWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QSystemTrayIcon* m_tray = nullptr;
    QString m_hint;
};
