#include "BusyAnimation.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace kw {
namespace {

constexpr int kDots = 8;
constexpr int kFrameMs = 100;

} // namespace

BusyAnimation::BusyAnimation(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kDots;
        update();
    });
}

void BusyAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF centre = QRectF(rect()).center();
    const qreal radius = std::min(width(), height()) / 2.0 - 4;
    for (int i = 0; i < kDots; ++i) {
        const qreal angle = 2 * std::numbers::pi * i / kDots;
        const int age = (frame_ - i + kDots) % kDots; // 0 = the newest dot
        QColor colour(40, 140, 90);
        colour.setAlphaF(1.0 - 0.11 * age);
        p.setBrush(colour);
        p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius, 3.2, 3.2);
    }
}

void BusyAnimation::showEvent(QShowEvent*) {
    timer_.start();
}

void BusyAnimation::hideEvent(QHideEvent*) {
    timer_.stop();
}

} // namespace kw
