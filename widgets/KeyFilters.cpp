#include "KeyFilters.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace {

const QString kDigits = QStringLiteral("0123456789");
const QString kDigitsAndDot = QStringLiteral("0123456789.");

// Whether the key puts a character into the edit: it carries text that is
// not a control character and is no shortcut. As for the edit itself, Ctrl
// without Alt makes a shortcut; Alt, and Ctrl with Alt (AltGr on some
// keyboards), still type.
bool typesCharacter(const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier)
        return false;
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

KeyFilter::KeyFilter(QLineEdit* edit, QString allowed)
    : QObject(edit)
    , m_edit(edit)
    , m_allowed(std::move(allowed)) {
    edit->installEventFilter(this);
}

QString KeyFilter::filtered(const QString& text) const {
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (m_allowed.contains(c))
            result += c;
    }
    return result;
}

void KeyFilter::insertFiltered(const QString& text) {
    const QString kept = filtered(text);
    if (!kept.isEmpty() && !m_edit->isReadOnly())
        m_edit->insert(kept);
}

void KeyFilter::showContextMenu(const QPoint& globalPos) {
    QMenu* menu = m_edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard paste would bypass the filter.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { insertFiltered(QApplication::clipboard()->text()); });
        }
    }
    menu->popup(globalPos);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key == QKeySequence::Paste) {
            insertFiltered(QApplication::clipboard()->text());
            return true;
        }
        // Keys that type no character pass: editing and navigation keys,
        // Tab, Enter and Esc (which carry a control character), shortcuts.
        if (!typesCharacter(*key))
            return false;
        const QString text = key->text();
        if (filtered(text) != text) {
            insertFiltered(text);
            return true;
        }
        return false;
    }
    case QEvent::InputMethod: {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!input->commitString().isEmpty() &&
            filtered(input->commitString()) != input->commitString()) {
            insertFiltered(input->commitString());
            return true;
        }
        return false;
    }
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QApplication::clipboard()->supportsSelection()) {
            insertFiltered(QApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
        return false;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData()->hasText()) {
            insertFiltered(drop->mimeData()->text());
            drop->acceptProposedAction();
        }
        return true;
    }
    default:
        return false;
    }
}

void installDigitsOnlyFilter(QLineEdit* edit) {
    new KeyFilter(edit, kDigits);
}

void installDigitsAndDotFilter(QLineEdit* edit) {
    new KeyFilter(edit, kDigitsAndDot);
}
