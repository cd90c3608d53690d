#pragma once

#include <QTimer>
#include <QWidget>

namespace kw {

// A ring of dots with one bright dot running round it: shows that work goes on while the
// count of pieces stands still. Draws no background of its own.
class BusyIndicator : public QWidget {
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    // The dot drawn brightest, 0 .. kDots - 1.
    int headDot() const { return head_; }

    static constexpr int kDots = 12;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int head_ = 0;
};

} // namespace kw
