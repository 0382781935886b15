#include "TrayIcon.h"

#include <QApplication>
#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

TrayIcon::TrayIcon(QWidget* window, const QIcon& icon, const QString& hint)
    : QObject(window)
    , m_window(window)
    , m_hint(hint.left(kMaxHintLength)) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        m_tray = new QSystemTrayIcon(icon, this);
        m_tray->setToolTip(m_hint);
        connect(m_tray, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::DoubleClick)
                        restoreWindow();
                });
    }
    window->installEventFilter(this);
}

bool TrayIcon::iconVisible() const {
    return m_tray && m_tray->isVisible();
}

void TrayIcon::restoreWindow() {
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::WindowStateChange && m_tray &&
        m_window->isMinimized()) {
        m_tray->show();
        // Hiding inside the state change confuses some window managers; do it
        // once the event has been handled.
        QTimer::singleShot(0, m_window, [window = m_window] {
            if (window->isMinimized())
                window->hide();
        });
    }
    return QObject::eventFilter(watched, event);
}
