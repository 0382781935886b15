#include "FramedPanel.h"

#include <QPainter>

FramedPanel::FramedPanel(QWidget* parent, QColor frameColor, QString heading)
    : QFrame(parent)
    , m_frameColor(std::move(frameColor))
    , m_heading(std::move(heading)) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void FramedPanel::setFrameColor(const QColor& color) {
    m_frameColor = color;
    update();
}

void FramedPanel::setHeading(const QString& heading) {
    m_heading = heading;
    update();
}

void FramedPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const int top = m_heading.isEmpty() ? 0 : fontMetrics().height() / 2;
    painter.setPen(m_frameColor);
    painter.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
    if (!m_heading.isEmpty()) {
        const QRect textRect(8, 0, fontMetrics().horizontalAdvance(m_heading) + 6,
                             fontMetrics().height());
        painter.fillRect(textRect, palette().color(QPalette::Window));
        painter.setPen(m_frameColor.darker(130));
        painter.drawText(textRect, Qt::AlignCenter, m_heading);
    }
}
