#pragma once

#include <QColor>
#include <QFrame>

// A panel drawn with a one-pixel coloured frame, optionally with a heading
// written into the top edge of the frame.
class FramedPanel : public QFrame {
    Q_OBJECT

public:
    explicit FramedPanel(QWidget* parent = nullptr, QColor frameColor = Qt::gray,
                         QString heading = {});

    QColor frameColor() const { return m_frameColor; }
    void setFrameColor(const QColor& color);
    QString heading() const { return m_heading; }
    void setHeading(const QString& heading);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_frameColor;
    QString m_heading;
};
