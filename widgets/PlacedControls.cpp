#include "PlacedControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kLabelHeight = 16;
constexpr int kEditHeight = 21;
const QColor kReadOnlyTint(236, 240, 248);
} // namespace

QLabel* placeLabel(QWidget* parent, const QString& text, int x, int y, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, kLabelHeight);
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

QLineEdit* placeEdit(QWidget* parent, const char* name, int x, int y, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(x, y, width, kEditHeight);
    return edit;
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                         int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, y, width, height);
    return button;
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
