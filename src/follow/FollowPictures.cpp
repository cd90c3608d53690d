#include "FollowPictures.h"

#include "texts/FollowTexts.h"

#include <QPainter>
#include <QPolygonF>

namespace kw::pictures {
namespace {

const QColor kInk(50, 50, 50);
const QColor kGreen(40, 150, 70);
const QColor kRed(205, 45, 45);
const QColor kBlue(45, 95, 175);

enum class Glyph {
    Previous,
    Next,
    PlayReference,
    PlayRecording,
    StartRecording,
    EndRecording,
    Exit
};

// The glyph stands in the top 19 pixels, the label under it.
constexpr QRectF kGlyphBox(15, 2, 20, 17);
constexpr QRect kLabelBox(0, 19, kFollowPictureWidth, 13);

void drawArrow(QPainter& p, bool pointsLeft) {
    const qreal tip = pointsLeft ? kGlyphBox.left() : kGlyphBox.right();
    const qreal back = pointsLeft ? kGlyphBox.right() : kGlyphBox.left();
    const qreal neck = (tip + back) / 2;
    const qreal cy = kGlyphBox.center().y();
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(tip, cy), QPointF(neck, kGlyphBox.top()),
                             QPointF(neck, cy - 3), QPointF(back, cy - 3), QPointF(back, cy + 3),
                             QPointF(neck, cy + 3), QPointF(neck, kGlyphBox.bottom())}));
}

void drawTriangle(QPainter& p, const QColor& colour) {
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(kGlyphBox.left() + 3, kGlyphBox.top()),
                             QPointF(kGlyphBox.right() - 1, kGlyphBox.center().y()),
                             QPointF(kGlyphBox.left() + 3, kGlyphBox.bottom())}));
}

void drawGlyph(QPainter& p, Glyph glyph) {
    p.setPen(QPen(kInk, 1));
    const QRectF square = kGlyphBox.adjusted(3, 1, -3, -1);
    switch (glyph) {
    case Glyph::Previous:
    case Glyph::Next:
        drawArrow(p, glyph == Glyph::Previous);
        break;
    case Glyph::PlayReference:
        drawTriangle(p, kGreen);
        break;
    case Glyph::PlayRecording:
        drawTriangle(p, kRed);
        break;
    case Glyph::StartRecording:
        p.setBrush(kRed);
        p.drawEllipse(square);
        break;
    case Glyph::EndRecording:
        p.setBrush(kRed);
        p.drawRect(square.adjusted(1, 1, -1, -1));
        break;
    case Glyph::Exit:
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(square.topLeft() + QPointF(2, 2), square.bottomRight() - QPointF(2, 2));
        p.drawLine(square.topRight() + QPointF(-2, 2), square.bottomLeft() + QPointF(2, -2));
        break;
    }
}

QPixmap drawPicture(Glyph glyph, QStringView label) {
    // Transparent ground, so that the toolbar's own background and its greyed-out look show.
    QPixmap pixmap(kFollowPictureWidth, kFollowPictureHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, glyph);
    QFont font;
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(kLabelBox, Qt::AlignCenter, label.toString());
    return pixmap;
}

FollowPictureStrip drawStrip(FollowStrip strip) {
    const bool recording = strip == FollowStrip::Recording;
    return {
        drawPicture(Glyph::Previous, text::kFollowToolPrevious),
        drawPicture(Glyph::Next, text::kFollowToolNext),
        drawPicture(Glyph::PlayReference, text::kFollowToolPlayReference),
        drawPicture(Glyph::PlayRecording, text::kFollowToolPlayRecording),
        recording ? drawPicture(Glyph::EndRecording, text::kFollowToolEndRecording)
                  : drawPicture(Glyph::StartRecording, text::kFollowToolStartRecording),
        drawPicture(Glyph::Exit, text::kFollowToolExit),
    };
}

} // namespace

const FollowPictureStrip& followStrip(FollowStrip strip) {
    static const FollowPictureStrip idle = drawStrip(FollowStrip::Idle);
    static const FollowPictureStrip recording = drawStrip(FollowStrip::Recording);
    return strip == FollowStrip::Recording ? recording : idle;
}

} // namespace kw::pictures
