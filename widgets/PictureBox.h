#pragma once

#include <QLabel>

// A picture that reports a double click.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
