#include "BannerPicture.h"

#include "texts/CommonTexts.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kw::ui {

BannerPicture::BannerPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);
    setCursor(Qt::PointingHandCursor);
}

void BannerPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient sea(frame.topLeft(), frame.bottomLeft());
    sea.setColorAt(0, QColor(64, 160, 200));
    sea.setColorAt(1, QColor(20, 90, 130));
    painter.setPen(QColor(15, 70, 100));
    painter.setBrush(sea);
    painter.drawRoundedRect(frame, 6, 6);

    // A strand of kelp on the left, the name beside it.
    painter.setPen(QPen(QColor(150, 210, 90), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath kelp(QPointF(16, 54));
    kelp.cubicTo(QPointF(8, 40), QPointF(24, 26), QPointF(14, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(kelp);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(26, 0, -4, 0), Qt::AlignCenter, text::kProductName.toString());
}

void BannerPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace kw::ui
