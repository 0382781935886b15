#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Keeps only the allowed characters of the text that the person types, pastes
// (keyboard, context menu, middle click) or drops into an edit; every other
// character is dropped. Text that the program puts into the edit is not
// filtered.
class KeyFilter : public QObject {
    Q_OBJECT

public:
    KeyFilter(QLineEdit* edit, QString allowed);

    QString allowed() const { return m_allowed; }
    // The text without the characters that the filter rejects.
    QString filtered(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void insertFiltered(const QString& text);
    void showContextMenu(const QPoint& globalPos);

    QLineEdit* m_edit;
    QString m_allowed;
};

// Digits "0" to "9" only.
void installDigitsOnlyFilter(QLineEdit* edit);
// Digits "0" to "9" and ".".
void installDigitsAndDotFilter(QLineEdit* edit);
