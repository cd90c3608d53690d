#pragma once

#include <QWidget>

namespace kw {

// The follow-read window's state in words: 0 ready, 1 playing the reference, 2 playing the
// recording, 3 recording; any other state shows nothing. Pressing it drags the window.
class FollowStatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit FollowStatusPanel(QWidget* parent = nullptr);

    void setFollowState(int state);
    int followState() const { return state_; }
    QString stateText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int state_ = 0;
};

} // namespace kw
