#include "PlacedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kEditHeight = 21;
const QColor kReadOnlyTint(236, 240, 248);

// Names a new control and places it.
template <class Control>
Control* placed(Control* control, const char* name, int x, int y, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(x, y, width, height);
    return control;
}

} // namespace

QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, int width, int height) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, height);
    return label;
}

QLabel* placeWrappedLabel(QWidget* parent, const QString& text, int x, int y, int width,
                          int height) {
    QLabel* label = placeLabel(parent, text, x, y, width, height);
    label->setWordWrap(true);
    return label;
}

QLabel* placeHeading(QWidget* parent, const char* name, const QString& text, int x, int y,
                     int width, bool underlined) {
    QLabel* label = placeLabel(parent, text, x, y, width);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(underlined);
    label->setFont(font);
    return label;
}

QLineEdit* placeEdit(QWidget* parent, const char* name, int x, int y, int width,
                     const QString& text) {
    return placed(new QLineEdit(text, parent), name, x, y, width, kEditHeight);
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width, int height) {
    return placed(new QPushButton(caption, parent), name, x, y, width, height);
}

QCheckBox* placeCheckBox(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width, int height) {
    return placed(new QCheckBox(caption, parent), name, x, y, width, height);
}

QComboBox* placeCombo(QWidget* parent, const char* name, const QStringList& items, int x, int y,
                      int width, int height) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(QString());
    combo->setGeometry(x, y, width, height);
    return combo;
}

QLineEdit* placeCaptionedEdit(QWidget* parent, const char* name, const QString& caption, int x,
                              int y, int width, int captionGap) {
    placeLabel(parent, caption, x, y, width);
    return placeEdit(parent, name, x, y + captionGap, width);
}

QComboBox* placeCaptionedCombo(QWidget* parent, const char* name, const QString& caption,
                               const QStringList& items, int x, int y, int width) {
    placeLabel(parent, caption, x, y, width);
    return placeCombo(parent, name, items, x, y + kCaptionGap, width, kEditHeight);
}

void makeReadOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
}

void makeReadOnlyTinted(QLineEdit* edit) {
    edit->setReadOnly(true);
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, kReadOnlyTint);
    edit->setPalette(pal);
}

void setBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, color);
    widget->setPalette(pal);
}
