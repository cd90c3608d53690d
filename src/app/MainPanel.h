#pragma once

#include <QWidget>

class QToolBar;

namespace kw {

// Lays out the main window's panels top to bottom: control panel (85), tip strip (26),
// display panel (160), the subtitle list taking all the rest, and the toolbar along the bottom.
class MainPanel : public QWidget {
    Q_OBJECT
public:
    explicit MainPanel(QWidget* parent = nullptr);

    void setPanels(QWidget* control, QWidget* tip, QWidget* display, QWidget* list,
                   QToolBar* toolbar);

    static constexpr int kControlHeight = 85;
    static constexpr int kTipHeight = 26;
    static constexpr int kDisplayHeight = 160;
    static constexpr int kListTop = kControlHeight + kTipHeight + kDisplayHeight;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    QWidget* control_ = nullptr;
    QWidget* tip_ = nullptr;
    QWidget* display_ = nullptr;
    QWidget* list_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};

} // namespace kw
