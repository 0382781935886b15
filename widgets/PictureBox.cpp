#include "PictureBox.h"

#include <QMouseEvent>

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent) {}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
