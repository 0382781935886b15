#pragma once

#include "FramedPanel.h"

class QLabel;
class QProgressBar;

// The "please wait" panel that stands in the middle of the window while a long
// list loads. Its size is fixed.
class BusyPanel : public FramedPanel {
    Q_OBJECT

public:
    static constexpr int kWidth = 457;
    static constexpr int kHeight = 201;

    explicit BusyPanel(QWidget* parent = nullptr);

    QString title() const;
    QString note() const;

private:
    QLabel* m_picture;
    QLabel* m_title;
    QProgressBar* m_gauge;
    QLabel* m_note;
};
