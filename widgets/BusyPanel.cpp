#include "BusyPanel.h"

#include "JpegImage.h"

#include <QLabel>
#include <QPixmap>
#include <QProgressBar>

namespace {
const QColor kMaroon(128, 0, 0);
} // namespace

BusyPanel::BusyPanel(QWidget* parent)
    : FramedPanel(parent, kMaroon) {
    setObjectName(QStringLiteral("busyPanel"));
    setFixedSize(kWidth, kHeight);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("busyPicture"));
    m_picture->setGeometry(8, 8, 120, 120);
    m_picture->setPixmap(QPixmap::fromImage(loadJpeg(QStringLiteral(":/pictures/busy.jpg"))));
    m_picture->setScaledContents(true);

    m_title = new QLabel(QStringLiteral(" Подождите. Идет обработка данных!"), this);
    m_title->setObjectName(QStringLiteral("busyTitle"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, kMaroon);
    m_title->setPalette(titlePalette);
    m_title->setGeometry(136, 16, kWidth - 144, 56);
    m_title->setWordWrap(true);

    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("busyGauge"));
    m_gauge->setGeometry(136, 80, kWidth - 152, 16);
    m_gauge->hide();

    m_note = new QLabel(
            QStringLiteral("Если на данном этапе программа зависает, то видимо у вас очень много "
                           "записей в таблице. Рекомендую ограничить количество выводимых записей. "
                           "данный \"баг\" будет устранен в последующих версиях программы."),
            this);
    m_note->setObjectName(QStringLiteral("busyNote"));
    m_note->setWordWrap(true);
    m_note->setGeometry(136, 100, kWidth - 152, kHeight - 108);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QString BusyPanel::title() const {
    return m_title->text();
}

QString BusyPanel::note() const {
    return m_note->text();
}
