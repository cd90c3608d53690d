#pragma once

#include <QTimer>
#include <QWidget>

namespace kw {

// A small looping "working" animation: a ring of dots chasing round, drawn in code. It runs
// while visible.
class BusyAnimation : public QWidget {
    Q_OBJECT
public:
    explicit BusyAnimation(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {35, 35}; }
    int frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer timer_;
    int frame_ = 0;
};

} // namespace kw
