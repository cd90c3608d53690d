#pragma once

// The follow-read compare window ("跟读对比"): the user plays the current sentence of the loaded
// MP3, records their own reading of it and plays the recording back.
//
// The main window opens it for the follow-read command, while a file is loaded:
//
//   FollowServices services = gstFollowServices([] { playWarningSound(dataFilePath(...)); });
//   ...                                        // keep `services` alive as long as the window
//   if (FollowWindow* follow = FollowWindow::open(state, controller, navigator, services, this))
//       connect(follow, &FollowWindow::closed, this, [this] { follow_ = nullptr; });
//
// open() pauses main playback when it is playing, chooses the capture device (position
// state.follow.follow_aDevId, else the first one, which is then stored; with none at all it
// shows "找不到录音设备" and returns null), disables the main window and shows this one centred on
// the desktop. The main window must not disable itself: this window is its child and would be
// disabled with it. Closing (Escape, the exit button or menu item, the close box, or
// closeFollow(), which the main window calls when the application exits) stops what is
// running, gives back the devices and players, re-enables and raises the main window, emits
// closed() and deletes the window. Main playback stays paused.
//
// Its keys (Left, Right, Up, Tab, Down, Escape) are window shortcuts: they work only while it is
// the active window, and the disabled main window's own shortcuts cannot fire meanwhile.
// Previous and next sentence move the application's current line through the navigator, which
// seeks the main player and refreshes the main window; with auto-play on, the new sentence's
// reference audio plays. The three follow-read settings live in state.follow and are saved by
// the application with its other settings.

#include "follow/FollowCommands.h"
#include "follow/FollowServices.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QToolBar;

namespace kw {

struct AppState;
class FollowActivity;
class FollowSettingsPanel;
class FollowStatusPanel;
class RepeatController;
class SentenceNavigator;

class FollowWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 275;

    // Null when there is no capture device (after the warning). `services` must outlive the
    // window.
    static FollowWindow* open(AppState& state, RepeatController& controller,
                              SentenceNavigator& navigator, const FollowServices& services,
                              QWidget* mainWindow);

    // What the menu items, the keys and the toolbar buttons do.
    void dispatch(FollowCommand command);
    void closeFollow();

    // Until the window closes.
    FollowActivity& activity() { return *activity_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FollowWindow(AppState& state, SentenceNavigator& navigator, const FollowServices& services,
                 std::unique_ptr<CaptureDevice> device, const QString& deviceName,
                 QWidget* mainWindow);

    void buildMenu();
    QWidget* buildHostPanel();
    void buildToolBar();
    void centreOnDesktop();
    void stepSentence(int sentences);
    void writeSentenceCounter();
    void onStateChanged(int state);
    void setRecordImage(bool recording);
    // The toolbar follows the state: while recording only record and exit can be pressed;
    // otherwise play recording only when the destination file exists.
    void updateButtons();
    void showFailure(const QString& message);
    void chooseDevice();
    void showProperties();
    void chooseDestination();

    AppState& state_;
    SentenceNavigator& navigator_;
    const FollowServices& services_;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<FollowActivity> activity_;
    FollowSettingsPanel* settingsPanel_ = nullptr;
    FollowStatusPanel* statusPanel_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* statusText_ = nullptr;
    QAction* recordMenuItem_ = nullptr;
    // In command-table order.
    std::array<QAction*, kFollowCommands.size()> tools_{};
};

} // namespace kw
