#pragma once

#include "RepeatFixture.h"
#include "TempDir.h"
#include "follow/FollowServices.h"
#include "follow/FollowWindow.h"
#include "ui/UserPrompts.h"

#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <vector>

namespace kwtest {

// Fills a device table through an opener, position by position, as the device lists do.
kw::CaptureDeviceLister listerFrom(kw::CaptureDeviceOpener open);

// A loaded lesson on the simulated media, a stand-in main window with its own Down shortcut,
// and the follow-read window opened over it. Message boxes and file choosers are answered here.
class FollowFixture : public RepeatFixture {
protected:
    static constexpr auto kDeviceA = "Microphone A";
    static constexpr auto kDeviceB = "Line In B";

    FollowFixture();
    ~FollowFixture() override;

    // Five lines a second apart in a file of five seconds, on line 0.
    void loadLesson();
    // Opens the window (null when it refused) and makes it the active window.
    kw::FollowWindow* openWindow();
    // A key pressed in the window, which is in front.
    void press(Qt::Key key);
    // Moves the virtual clock by `ms`, polling the window every 10 ms as its timer would.
    void pollFor(std::int64_t ms);
    int followState() const;
    // The toolbar button of a command.
    QAction* tool(kw::FollowCommand command) const;
    QString statusBarText() const;
    QString destination() const { return state.follow.follow_destFile; }

    TempDir dir;
    QMainWindow mainWindow;
    int mainWindowDowns = 0;
    QStringList deviceNames{kDeviceA, kDeviceB};
    kw::FollowServices services;
    int warningSounds = 0;
    // What the size probe reports for the running recording; none: unreadable.
    std::optional<std::int64_t> recordingBytes = 0;
    std::vector<kw::MessagePrompt> messages;
    // Answers to the file choosers, in order; an empty answer cancels.
    QStringList chosenPaths;
    QPointer<kw::FollowWindow> follow;
    int closedSignals = 0;
};

} // namespace kwtest
