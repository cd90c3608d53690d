#include "FollowFixture.h"

#include "follow/FollowActivity.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace kwtest {

kw::CaptureDeviceLister listerFrom(kw::CaptureDeviceOpener open) {
    return [open](kw::CaptureDeviceTable& table) {
        table = {};
        QString name;
        while (table.count < kw::CaptureDeviceTable::kCapacity) {
            auto device = open(table.count, name);
            if (!device)
                break;
            table.entries[std::size_t(table.count++)] = std::move(device);
        }
        return table.count;
    };
}

FollowFixture::FollowFixture() {
    services.newPlaybackPipeline = [this] {
        return media.newPlaybackPipeline();
    };
    services.newRecordingPipeline = [this] {
        return media.newRecordingPipeline();
    };
    services.openCaptureDevice = [this](int position, QString& name) {
        return media.captureDevices(deviceNames)(position, name);
    };
    services.listCaptureDevices = listerFrom(services.openCaptureDevice);
    services.playWarningSound = [this] {
        ++warningSounds;
    };
    services.recordingSize = [this](const char*) {
        return recordingBytes;
    };

    kw::setPromptResponder({[this](const kw::MessagePrompt& prompt) {
                                messages.push_back(prompt);
                                return QMessageBox::Ok;
                            },
                            [this](const kw::FilePrompt&) {
                                return chosenPaths.isEmpty() ? QString() : chosenPaths.takeFirst();
                            }});

    auto* down = new QAction(&mainWindow);
    down->setShortcut(Qt::Key_Down);
    mainWindow.addAction(down);
    QObject::connect(down, &QAction::triggered, [this] { ++mainWindowDowns; });
    mainWindow.resize(600, 400);
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
}

FollowFixture::~FollowFixture() {
    if (follow)
        follow->closeFollow();
    delete follow.data();
    kw::setPromptResponder({});
}

void FollowFixture::loadLesson() {
    loadEvenly(5);
    state.mp3Path = kPath;
}

kw::FollowWindow* FollowFixture::openWindow() {
    follow = kw::FollowWindow::open(state, controller, navigator, services, &mainWindow);
    if (follow) {
        QObject::connect(follow, &kw::FollowWindow::closed, [this] { ++closedSignals; });
        // The offscreen platform does not activate a child window that is shown; a window
        // manager would.
        QApplication::setActiveWindow(follow);
    }
    return follow;
}

void FollowFixture::press(Qt::Key key) {
    // Back in front after a dialog: offscreen, nothing activates it again.
    QApplication::setActiveWindow(follow);
    QTest::keyClick(follow, key);
}

void FollowFixture::pollFor(std::int64_t ms) {
    for (std::int64_t left = ms; left > 0 && follow; left -= kw::FollowActivity::kPollMs) {
        media.advanceMs(kw::FollowActivity::kPollMs);
        follow->activity().followTick();
    }
}

int FollowFixture::followState() const {
    return follow->activity().followState();
}

QAction* FollowFixture::tool(kw::FollowCommand command) const {
    const auto* toolBar = follow->findChild<QToolBar*>(QStringLiteral("followToolBar"));
    QList<QAction*> tools;
    for (QAction* action : toolBar->actions()) {
        if (!action->isSeparator())
            tools << action;
    }
    return tools.at(qsizetype(kw::followCommandIndex(command)));
}

QString FollowFixture::statusBarText() const {
    return follow->findChild<QLabel*>(QStringLiteral("sentenceCounter"))->text();
}

} // namespace kwtest
