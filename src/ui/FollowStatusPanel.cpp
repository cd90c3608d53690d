#include "FollowStatusPanel.h"

#include "WindowDrag.h"
#include "texts/PanelTexts.h"

#include <QPainter>
#include <array>

namespace kw {

FollowStatusPanel::FollowStatusPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(24);
    font.setWeight(QFont::DemiBold);
    setFont(font);
}

void FollowStatusPanel::setFollowState(int state) {
    state_ = state;
    update();
}

QString FollowStatusPanel::stateText() const {
    static constexpr std::array<QStringView, 4> texts{
        text::kFollowReady, text::kFollowPlayingReference, text::kFollowPlayingRecording,
        text::kFollowRecording};
    if (state_ < 0 || state_ >= int(texts.size()))
        return {};
    return texts[std::size_t(state_)].toString();
}

void FollowStatusPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.drawText(rect().adjusted(15, 8, -15, -8), Qt::AlignCenter | Qt::TextWordWrap, stateText());
}

void FollowStatusPanel::mousePressEvent(QMouseEvent* event) {
    dragWindowByPanel(this, event);
}

} // namespace kw
