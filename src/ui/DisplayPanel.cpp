#include "DisplayPanel.h"

#include "Pictures.h"
#include "WindowDrag.h"
#include "texts/PanelTexts.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace kw {
namespace {

constexpr std::array<int, 3> kFontHeights{24, 29, 35};
constexpr int kPlayAreaHalf = 32;
constexpr int kKeyChartTop = 60;

} // namespace

QFont displayFont(int fontSize) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(kFontHeights[std::size_t(fontSize >= 0 && fontSize <= 2 ? fontSize : 0)]);
    font.setWeight(QFont::DemiBold);
    return font;
}

DisplayPanel::DisplayPanel(ContentSource source, QWidget* parent)
    : QWidget(parent), source_(std::move(source)), font_(displayFont(0)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DisplayPanel::setDisplayFont(const QFont& font) {
    font_ = font;
    refresh();
}

void DisplayPanel::refresh() {
    update();
    updateCursor(mapFromGlobal(QCursor::pos()));
}

QRect DisplayPanel::playArea() const {
    const QPoint centre = rect().center();
    return QRect(centre.x() - kPlayAreaHalf, centre.y() - kPlayAreaHalf, 2 * kPlayAreaHalf,
                 2 * kPlayAreaHalf);
}

bool DisplayPanel::playAreaActive(const QPoint& pos) const {
    const DisplayContent content = source_();
    return content.loaded && !content.playing && playArea().contains(pos);
}

void DisplayPanel::updateCursor(const QPoint& pos) {
    setCursor(playAreaActive(pos) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void DisplayPanel::paintEvent(QPaintEvent*) {
    const DisplayContent content = source_();
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setFont(font_);
    p.setPen(Qt::black);
    const QRect textArea = rect().adjusted(15, 8, -15, -8);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    // The white parts of the pictures leave the text beneath them visible.
    const auto drawOver = [&p](const QPoint& at, const QPixmap& picture) {
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawPixmap(at, picture);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    };
    if (content.loaded) {
        QString text = content.sentence;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        p.drawText(textArea, flags, text);
        if (!content.playing) {
            const QPixmap& play = pictures::playPicture();
            drawOver(rect().center() - QPoint(play.width() / 2, play.height() / 2) + QPoint(1, 1),
                     play);
        }
    } else {
        p.drawText(textArea, flags, text::kNoFileLoaded.toString());
        const QPixmap& chart = pictures::keyChart();
        drawOver(QPoint((width() - chart.width()) / 2, kKeyChartTop), chart);
    }
}

void DisplayPanel::mouseMoveEvent(QMouseEvent* event) {
    updateCursor(event->position().toPoint());
}

void DisplayPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && playAreaActive(event->position().toPoint())) {
        emit playClicked();
        return;
    }
    dragWindowByPanel(this, event);
}

} // namespace kw
