#pragma once

#include <QWidget>

namespace kw {

// One line of usage advice on a light yellow band, with a separator line along the bottom.
// Pressing it drags the main window.
class TipStrip : public QWidget {
    Q_OBJECT
public:
    explicit TipStrip(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace kw
