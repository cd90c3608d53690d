#include "MainPanel.h"

#include <QToolBar>

namespace kw {

MainPanel::MainPanel(QWidget* parent) : QWidget(parent) {}

void MainPanel::setPanels(QWidget* control, QWidget* tip, QWidget* display, QWidget* list,
                          QToolBar* toolbar) {
    control_ = control;
    tip_ = tip;
    display_ = display;
    list_ = list;
    toolbar_ = toolbar;
    layOut();
}

void MainPanel::resizeEvent(QResizeEvent*) {
    layOut();
}

void MainPanel::layOut() {
    if (!control_)
        return;
    const int w = width();
    const int toolbarHeight = toolbar_->sizeHint().height();
    control_->setGeometry(0, 0, w, kControlHeight);
    tip_->setGeometry(0, kControlHeight, w, kTipHeight);
    display_->setGeometry(0, kControlHeight + kTipHeight, w, kDisplayHeight);
    list_->setGeometry(0, kListTop, w, std::max(0, height() - toolbarHeight - kListTop));
    toolbar_->setGeometry(0, height() - toolbarHeight, w, toolbarHeight);
}

} // namespace kw
