#pragma once

// The control strip along the top of the main window: grouping mode, volume and mute, repeat
// count and file loop, subtitle offset, the banner, and room for the embedded page on the right.
// Every change is written through the ControlHost at once and, while a file is loaded, reaches
// the player, the repeat controller and the subtitle list.
//
// The main window must:
//  - create it with its AppPanelHost (the ControlHost over the application state, player and
//    repeat controller; values are read once here, at creation) and the subtitle list panel;
//  - call showOpenedFile() with the file's offset after opening a file, showNoFile() after
//    closing it;
//  - hand the embedded page widget to setPageWidget();
//  - give it the main panel's full width and a height of kHeight.

#include "ModalRunner.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;

namespace kw::ui {

class BannerPicture;
class ControlHost;
class SubtitleListPanel;

class ControlPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 85;
    // Left edges of the vertical separators; the page area starts at kPageLeft.
    static constexpr std::array<int, 5> kSeparatorX{210, 345, 480, 605, 755};
    static constexpr int kPageLeft = 760;

    ControlPanel(ControlHost& host, SubtitleListPanel& list, QWidget* parent = nullptr);

    // The offset display and its "修改…" button follow the open file.
    void showOpenedFile(int offsetMs);
    void showNoFile();
    // Places `page` (the embedded web page) in the area right of the last separator.
    void setPageWidget(QWidget* page);

    void setModalRunner(ModalRunner runner) { runner_ = std::move(runner); }
    QSize sizeHint() const override { return {kPageLeft, kHeight}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void changeMode(int mode);
    void changeVolume(int position);
    void changeMute(bool muted);
    void changeCount();
    void changeOffset();
    void followOffset();
    void showCount();

    ControlHost& host_;
    SubtitleListPanel& list_;
    ModalRunner runner_;
    QComboBox* mode_;
    QSlider* volume_;
    QCheckBox* mute_;
    QLabel* count_;
    QCheckBox* loop_;
    QLabel* offset_;
    QPushButton* offsetButton_;
    BannerPicture* banner_;
    QFrame* topLine_;
    QFrame* bottomLine_;
    std::array<QFrame*, kSeparatorX.size()> separators_{};
    QWidget* page_ = nullptr;
};

} // namespace kw::ui
