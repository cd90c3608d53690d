#include "BusyIndicator.h"

#include <QPainter>
#include <QtMath>

namespace kw {

namespace {

constexpr int kStepMs = 80;
constexpr int kSide = 40;

} // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        head_ = (head_ + 1) % kDots;
        update();
    });
}

void BusyIndicator::start() {
    timer_.start();
}

void BusyIndicator::stop() {
    timer_.stop();
    update();
}

QSize BusyIndicator::sizeHint() const {
    return {kSide, kSide};
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal side = qMin(width(), height());
    const qreal dot = side / 10;
    const qreal radius = side / 2 - dot;
    painter.translate(width() / 2.0, height() / 2.0);
    QColor color = palette().color(QPalette::WindowText);
    for (int i = 0; i < kDots; ++i) {
        // Dots behind the head fade out; a stopped ring is drawn evenly dim.
        const int behind = (head_ - i + kDots) % kDots;
        color.setAlphaF(isRunning() ? 1.0 - 0.8 * behind / kDots : 0.2);
        painter.setBrush(color);
        const qreal angle = 2 * M_PI * i / kDots;
        painter.drawEllipse(QPointF(radius * qSin(angle), -radius * qCos(angle)), dot, dot);
    }
}

} // namespace kw
