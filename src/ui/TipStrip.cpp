#include "TipStrip.h"

#include "WindowDrag.h"
#include "texts/PanelTexts.h"

#include <QPainter>

namespace kw {

TipStrip::TipStrip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    setFont(font);
}

void TipStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().button());
    const QRect band(0, 1, width(), height() - 3);
    p.fillRect(band, QColor(255, 255, 205));
    p.setPen(palette().buttonText().color());
    p.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, text::kUsageTip.toString());
    // Etched separator along the bottom edge.
    p.setPen(palette().mid().color());
    p.drawLine(0, height() - 2, width(), height() - 2);
    p.setPen(palette().light().color());
    p.drawLine(0, height() - 1, width(), height() - 1);
}

void TipStrip::mousePressEvent(QMouseEvent* event) {
    dragWindowByPanel(this, event);
}

} // namespace kw
