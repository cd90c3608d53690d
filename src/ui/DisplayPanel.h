#pragma once

// The main window's display panel: the current sentence in large type, the play picture while
// not playing, and the key chart while no file is loaded. The main window gives it a content
// source, connects playClicked() to the controller's playPause and calls refresh() whenever the
// sentence or the play state changes.
#include <QFont>
#include <QString>
#include <QWidget>
#include <functional>

namespace kw {

struct DisplayContent {
    bool loaded = false;
    bool playing = false;
    QString sentence; // lines separated by CR LF
};

// The display font for font size 0 (small), 1 (medium) or 2 (large).
QFont displayFont(int fontSize);

class DisplayPanel : public QWidget {
    Q_OBJECT
public:
    using ContentSource = std::function<DisplayContent()>;

    explicit DisplayPanel(ContentSource source, QWidget* parent = nullptr);

    void setDisplayFont(const QFont& font);
    void refresh();

signals:
    void playClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect playArea() const;
    bool playAreaActive(const QPoint& pos) const;
    void updateCursor(const QPoint& pos);

    ContentSource source_;
    QFont font_;
};

} // namespace kw
