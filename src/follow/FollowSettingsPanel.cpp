#include "FollowSettingsPanel.h"

#include "texts/FollowTexts.h"
#include "ui/WindowDrag.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kw {
namespace {

// Controls are placed on a grid of dialog units, 1.5 pixels each at the panel's 9-point font.
QRect units(int x, int y, int width, int height) {
    const auto px = [](int u) {
        return u * 3 / 2;
    };
    return {px(x), px(y), px(width), px(height)};
}

// The keys of the window work whatever was clicked last: nothing on the panel takes the focus.
template <typename Control> Control* place(Control* control, const QRect& geometry) {
    control->setGeometry(geometry);
    control->setFocusPolicy(Qt::NoFocus);
    return control;
}

QLabel* label(QStringView text, const QRect& geometry, QWidget* parent) {
    auto* l = place(new QLabel(text.toString(), parent), geometry);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLineEdit* field(const QString& objectName, const QRect& geometry, QWidget* parent) {
    auto* f = place(new QLineEdit(parent), geometry);
    f->setObjectName(objectName);
    f->setReadOnly(true);
    return f;
}

QPushButton* button(QStringView text, const QString& objectName, const QRect& geometry,
                    QWidget* parent) {
    auto* b = place(new QPushButton(text.toString(), parent), geometry);
    b->setObjectName(objectName);
    return b;
}

} // namespace

FollowSettingsPanel::FollowSettingsPanel(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kHeight);
    auto* choose = button(text::kFollowChooseDevice, QStringLiteral("chooseDevice"),
                          units(5, 5, 70, 15), this);
    auto* properties = button(text::kFollowDeviceProperties, QStringLiteral("deviceProperties"),
                              units(5, 25, 70, 15), this);
    label(text::kFollowDeviceLabel, units(80, 5, 40, 15), this);
    deviceField_ = field(QStringLiteral("deviceField"), units(125, 5, 210, 15), this);
    label(text::kFollowDestinationLabel, units(80, 25, 40, 15), this);
    destinationField_ = field(QStringLiteral("destinationField"), units(125, 25, 182, 15), this);
    auto* browse =
        button(text::kFollowBrowse, QStringLiteral("browse"), units(310, 25, 25, 15), this);
    autoPlayBox_ =
        place(new QCheckBox(text::kFollowAutoPlay.toString(), this), units(125, 41, 182, 11));
    autoPlayBox_->setObjectName(QStringLiteral("autoPlay"));

    // The etched rule along the bottom edge, placed on every resize.
    rule_ = new QFrame(this);
    rule_->setFrameShape(QFrame::HLine);
    rule_->setFrameShadow(QFrame::Sunken);

    connect(choose, &QPushButton::clicked, this, &FollowSettingsPanel::chooseDeviceClicked);
    connect(properties, &QPushButton::clicked, this, &FollowSettingsPanel::devicePropertiesClicked);
    connect(browse, &QPushButton::clicked, this, &FollowSettingsPanel::browseClicked);
    connect(autoPlayBox_, &QCheckBox::toggled, this, &FollowSettingsPanel::autoPlayToggled);
}

void FollowSettingsPanel::setDeviceName(const QString& name) {
    deviceField_->setText(name);
}

void FollowSettingsPanel::setDestination(const QString& path) {
    destinationField_->setText(path);
}

void FollowSettingsPanel::setAutoPlay(bool on) {
    const QSignalBlocker quiet(autoPlayBox_);
    autoPlayBox_->setChecked(on);
}

QString FollowSettingsPanel::deviceName() const {
    return deviceField_->text();
}

QString FollowSettingsPanel::destination() const {
    return destinationField_->text();
}

bool FollowSettingsPanel::autoPlay() const {
    return autoPlayBox_->isChecked();
}

void FollowSettingsPanel::resizeEvent(QResizeEvent*) {
    rule_->setGeometry(0, kHeight - 2, width() + 1, 2);
}

void FollowSettingsPanel::mousePressEvent(QMouseEvent* event) {
    dragWindowByPanel(this, event);
}

} // namespace kw
