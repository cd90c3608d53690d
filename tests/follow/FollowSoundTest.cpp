// The follow-read window with the real recorder and players on the private sound server: what
// the user hears of the reference, and what they recorded and hear back.
#include "FakeRepeatView.h"
#include "RunEvents.h"
#include "SoundFiles.h"
#include "TempDir.h"
#include "follow/FollowActivity.h"
#include "follow/FollowServices.h"
#include "follow/FollowWindow.h"
#include "playback/gst/Devices.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "repeat/SentenceNavigator.h"
#include "subtitle/LineTable.h"

#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace kwtest;
using kw::FollowActivity;

namespace {

constexpr int kLineMs = 600;
constexpr int kGapMs = 60;
constexpr int kLineHz[] = {500, 700, 900};
constexpr int kVoiceHz = 1000;
constexpr int kWindow = kRate / 100; // 10 ms

// 10 ms windows in which `hz` is the loudest of the candidate tones.
int windowsOf(const std::vector<float>& sound, int hz, std::initializer_list<int> candidates) {
    int count = 0;
    for (std::size_t at = 0; at + kWindow <= sound.size(); at += kWindow) {
        int loudest = 0;
        double best = 0.01;
        for (const int candidate : candidates) {
            const double power = tonePower(sound, at, kWindow, candidate, kRate);
            if (power > best) {
                best = power;
                loudest = candidate;
            }
        }
        count += loudest == hz;
    }
    return count;
}

class FollowSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Segment> segments;
        for (const int hz : kLineHz) {
            segments.push_back({0, kGapMs});
            segments.push_back({hz, kLineMs - kGapMs});
        }
        state.mp3Path = encodeMp3(dir.path(""), "lesson", segments, Mp3Kind::Cbr);
        ASSERT_FALSE(state.mp3Path.isEmpty());
        state.lineTable = std::make_unique<kw::LineTable>();
        ASSERT_EQ(state.lineTable->loadBytes("[00:00.00]one\n[00:00.60]two\n[00:01.20]three\n"),
                  kw::LineTable::Loaded);
        state.player = std::make_unique<kw::Player>(kw::gst::newPlaybackPipeline());
        ASSERT_EQ(state.player->open(state.mp3Path, &controller, kw::Parser::Preferred),
                  kw::result::kOk);
        state.bLoaded = true;
        state.volume = kw::kVolumeFull;
        state.follow.follow_destFile = dir.path("me.mp3");
        state.follow.follow_aDevId = monitorPosition();
        ASSERT_GE(state.follow.follow_aDevId, 0) << "no monitor of the test sink";

        mainWindow.show();
        follow = kw::FollowWindow::open(state, controller, navigator, services, &mainWindow);
        ASSERT_TRUE(follow);
        QApplication::setActiveWindow(follow);
    }

    void TearDown() override {
        if (follow)
            follow->closeFollow();
    }

    // The capture device that hears what the test sink plays.
    static int monitorPosition() {
        kw::CaptureDeviceTable table;
        const int count = kw::gst::listCaptureDevices(table);
        for (int i = 0; i < count; ++i) {
            if (table.entries[std::size_t(i)]->name() == "Monitor of TestSink")
                return i;
        }
        return -1;
    }

    void press(Qt::Key key) { QTest::keyClick(follow, key); }
    int followState() const { return follow->activity().followState(); }
    bool waitForIdle(int timeoutMs) {
        return runEventsUntil([this] { return followState() == FollowActivity::kIdle; }, timeoutMs);
    }

    // Records from the monitor while the user "speaks" a tone into the sink for `ms`.
    void recordVoice(int ms) {
        const QString voicePath =
            encodeMp3(dir.path(""), "voice", {{kVoiceHz, 3000}}, Mp3Kind::Cbr);
        kw::Player voice(kw::gst::newPlaybackPipeline());
        ASSERT_EQ(voice.open(voicePath, nullptr, kw::Parser::Preferred), kw::result::kOk);
        ASSERT_EQ(voice.run(), kw::result::kOk);
        runEventsFor(100);
        press(Qt::Key_Down);
        ASSERT_EQ(followState(), FollowActivity::kRecording);
        runEventsFor(ms);
        press(Qt::Key_Down);
        voice.stop();
        ASSERT_EQ(followState(), FollowActivity::kIdle);
    }

    std::int64_t recordingLengthMs() const {
        kw::Player player(kw::gst::newPlaybackPipeline());
        if (kw::failed(player.open(state.follow.follow_destFile, nullptr, kw::Parser::Preferred)))
            return -1;
        return player.durationMs();
    }

    TempDir dir;
    FakeRepeatView view;
    kw::AppState state;
    kw::RepeatController controller{state, view};
    kw::SentenceNavigator navigator{state, controller};
    int warnings = 0;
    kw::FollowServices services = kw::gstFollowServices([this] { ++warnings; });
    QMainWindow mainWindow;
    QPointer<kw::FollowWindow> follow;
};

TEST_F(FollowSoundTest, TheReferenceIsTheCurrentSentenceAndStopsAtItsEnd) {
    state.curLine = 1;
    MonitorRecording monitor;
    runEventsFor(200);
    press(Qt::Key_Up);
    ASSERT_EQ(followState(), FollowActivity::kPlayingReference);
    EXPECT_TRUE(waitForIdle(3000));
    runEventsFor(300);
    const Sound heard = monitor.stop();

    const auto tones = {kLineHz[0], kLineHz[1], kLineHz[2]};
    EXPECT_GT(windowsOf(heard.left, kLineHz[1], tones), 45); // most of the 540 ms tone
    EXPECT_EQ(windowsOf(heard.left, kLineHz[0], tones), 0);
    // The next sentence's tone starts after 60 ms of silence: nothing of it may be heard.
    EXPECT_LE(windowsOf(heard.left, kLineHz[2], tones), 1);
}

TEST_F(FollowSoundTest, RecordCompareAndRecordAgain) {
    recordVoice(2000);
    ASSERT_TRUE(QFileInfo::exists(state.follow.follow_destFile));
    EXPECT_NEAR(double(recordingLengthMs()), 2000.0, 250.0);

    MonitorRecording monitor;
    runEventsFor(200);
    press(Qt::Key_Tab);
    ASSERT_EQ(followState(), FollowActivity::kPlayingRecording);
    EXPECT_TRUE(waitForIdle(4000));
    const Sound heard = monitor.stop();
    // The recording holds the voice the monitor heard: it is heard back.
    EXPECT_GT(windowsOf(heard.left, kVoiceHz, {kVoiceHz, kLineHz[0]}), 150);

    // A new recording replaces the old file.
    recordVoice(500);
    EXPECT_NEAR(double(recordingLengthMs()), 500.0, 200.0);
    EXPECT_EQ(warnings, 0);
}

} // namespace
