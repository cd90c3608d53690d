#include "Pictures.h"

#include "texts/PanelTexts.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace kw::pictures {
namespace {

const QColor kAccent(40, 140, 90);
const QColor kInk(50, 50, 50);

QPixmap blank(int width, int height, const QColor& ground = Qt::white) {
    QPixmap pixmap(width, height);
    pixmap.fill(ground);
    return pixmap;
}

QFont uiFont(int pixelSize, int weight = QFont::Normal) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

QPixmap drawPlayPicture() {
    QPixmap pixmap = blank(64, 64);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kAccent.darker(120), 2));
    p.setBrush(kAccent);
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(25, 18), QPointF(47, 32), QPointF(25, 46)}));
    return pixmap;
}

QPixmap drawKeyChart() {
    QPixmap pixmap = blank(114, 77);
    QPainter p(&pixmap);
    p.setPen(kInk);
    p.drawRect(0, 0, 113, 76);
    p.fillRect(1, 1, 112, 14, QColor(225, 235, 225));
    p.setFont(uiFont(11, QFont::Bold));
    p.drawText(QRect(0, 0, 114, 15), Qt::AlignCenter, text::kKeyChartTitle.toString());
    const std::array<std::pair<QStringView, QStringView>, 4> rows{{
        {u"↓", text::kKeyChartPlay},
        {u"←", text::kKeyChartPrevious},
        {u"→", text::kKeyChartNext},
        {u"↑", text::kKeyChartRepeat},
    }};
    p.setFont(uiFont(11));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = 16 + int(i) * 15;
        p.drawLine(1, top - 1, 112, top - 1);
        p.drawText(QRect(2, top, 22, 15), Qt::AlignCenter, rows[i].first.toString());
        p.drawText(QRect(28, top, 84, 15), Qt::AlignVCenter | Qt::AlignLeft,
                   rows[i].second.toString());
    }
    p.drawLine(25, 15, 25, 76);
    return pixmap;
}

void drawGlyph(QPainter& p, ToolbarPicture picture, const QRectF& box) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kAccent);
    const qreal l = box.left() + 3, t = box.top() + 3, r = box.right() - 3, b = box.bottom() - 3;
    const qreal cy = box.center().y();
    switch (picture) {
    case ToolbarPicture::Open: {
        QPainterPath folder;
        folder.moveTo(l, b);
        folder.lineTo(l, t + 1);
        folder.lineTo(l + 4, t + 1);
        folder.lineTo(l + 5, t + 3);
        folder.lineTo(r, t + 3);
        folder.lineTo(r, b);
        folder.closeSubpath();
        p.setBrush(QColor(240, 200, 90));
        p.drawPath(folder);
        break;
    }
    case ToolbarPicture::Play:
        p.drawPolygon(QPolygonF({QPointF(l + 1, t), QPointF(r, cy), QPointF(l + 1, b)}));
        break;
    case ToolbarPicture::Pause:
        p.drawRect(QRectF(l + 1, t, 3, b - t));
        p.drawRect(QRectF(r - 4, t, 3, b - t));
        break;
    case ToolbarPicture::Stop:
        p.drawRect(QRectF(l + 1, t + 1, r - l - 2, b - t - 2));
        break;
    case ToolbarPicture::Previous:
        p.drawRect(QRectF(l, t, 2, b - t));
        p.drawPolygon(QPolygonF({QPointF(r, t), QPointF(l + 3, cy), QPointF(r, b)}));
        break;
    case ToolbarPicture::Next:
        p.drawRect(QRectF(r - 2, t, 2, b - t));
        p.drawPolygon(QPolygonF({QPointF(l, t), QPointF(r - 3, cy), QPointF(l, b)}));
        break;
    case ToolbarPicture::Repeat: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kAccent, 2));
        p.drawArc(QRectF(l, t, r - l, b - t), 60 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawPolygon(
            QPolygonF({QPointF(r - 4, t - 1), QPointF(r + 1, t + 2), QPointF(r - 4, t + 5)}));
        break;
    }
    case ToolbarPicture::FollowRead:
        p.drawRoundedRect(QRectF(box.center().x() - 2.5, t, 5, 7), 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(box.center().x() - 4.5, t + 2, 9, 8), 180 * 16, 180 * 16);
        p.drawLine(QPointF(box.center().x(), t + 10), QPointF(box.center().x(), b));
        break;
    }
}

QStringView toolbarLabel(ToolbarPicture picture) {
    switch (picture) {
    case ToolbarPicture::Open:
        return text::kToolOpen;
    case ToolbarPicture::Play:
        return text::kToolPlay;
    case ToolbarPicture::Pause:
        return text::kToolPause;
    case ToolbarPicture::Stop:
        return text::kToolStop;
    case ToolbarPicture::Previous:
        return text::kToolPrevious;
    case ToolbarPicture::Next:
        return text::kToolNext;
    case ToolbarPicture::Repeat:
        return text::kToolRepeat;
    case ToolbarPicture::FollowRead:
        return text::kToolFollowRead;
    }
    return {};
}

} // namespace

const QPixmap& playPicture() {
    static const QPixmap picture = drawPlayPicture();
    return picture;
}

const QPixmap& keyChart() {
    static const QPixmap picture = drawKeyChart();
    return picture;
}

QIcon toolbarIcon(ToolbarPicture picture) {
    QPixmap pixmap(48, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, picture, QRectF(0, 0, 16, 16));
    p.setPen(kInk);
    p.setFont(uiFont(12));
    p.drawText(QRect(17, 0, 31, 16), Qt::AlignCenter, toolbarLabel(picture).toString());
    p.end();
    return QIcon(pixmap);
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(20, 14), QPointF(20, 50));
        p.drawLine(QPointF(20, 33), QPointF(36, 14));
        p.drawLine(QPointF(25, 28), QPointF(38, 50));
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(36, 22, 14, 20), -50 * 16, 100 * 16);
        p.drawArc(QRectF(36, 16, 22, 32), -50 * 16, 100 * 16);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kw::pictures
