// Sentence playback through the real GStreamer player into the null sink, checked by listening
// to the sink's monitor.
#include "FakeRepeatView.h"
#include "RunEvents.h"
#include "SoundFiles.h"
#include "TempDir.h"
#include "playback/Player.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "subtitle/LineTable.h"

#include <gtest/gtest.h>

using namespace kwtest;

namespace {

constexpr int kLineMs = 600;
constexpr int kGapMs = 60;
constexpr int kToneHz[] = {500, 700, 900, 1100};
constexpr int kWindow = kRate / 100;

// Each line: a short silence, then its own tone, so that two hearings of a line are two tones.
std::vector<Segment> lessonSegments() {
    std::vector<Segment> segments;
    for (const int hz : kToneHz) {
        segments.push_back({0, kGapMs});
        segments.push_back({hz, kLineMs - kGapMs});
    }
    return segments;
}

// The lines heard, in order: every stretch of at least 100 ms of one line's tone, counted once.
std::vector<int> linesHeard(const std::vector<float>& sound) {
    std::vector<int> heard;
    int current = -1;
    int runWindows = 0;
    for (std::size_t at = 0; at + kWindow <= sound.size(); at += kWindow) {
        int loudest = -1;
        double best = 0.01;
        for (int line = 0; line < 4; ++line) {
            const double power = tonePower(sound, at, kWindow, kToneHz[line], kRate);
            if (power > best) {
                best = power;
                loudest = line;
            }
        }
        runWindows = loudest == current ? runWindows + 1 : 1;
        current = loudest;
        if (current >= 0 && runWindows == 10)
            heard.push_back(current + 1);
    }
    return heard;
}

} // namespace

TEST(RepeatSound, ListenerHearsEveryLineTwice) {
    TempDir dir;
    const QString mp3 = encodeMp3(dir.path(""), "lesson", lessonSegments(), Mp3Kind::Cbr);
    ASSERT_FALSE(mp3.isEmpty());

    FakeRepeatView view;
    kw::AppState state;
    kw::RepeatController controller(state, view);
    state.lineTable = std::make_unique<kw::LineTable>();
    ASSERT_EQ(state.lineTable->loadBytes("[00:00.00]one\n[00:00.60]two\n[00:01.20]three\n"
                                         "[00:01.80]four\n"),
              kw::LineTable::Loaded);
    state.player = std::make_unique<kw::Player>(kw::gst::newPlaybackPipeline());
    ASSERT_EQ(kw::openWithEitherParser(*state.player, mp3, &controller, kw::Parser::Preferred),
              kw::result::kOk);
    state.bLoaded = true;
    state.totalCount = 2;
    state.lrcMode = 0;
    state.bFileLoopPlay = false;

    MonitorRecording recording;
    runEventsFor(200);
    controller.playPause();
    ASSERT_EQ(state.playState, kw::kPlaying);
    EXPECT_TRUE(runEventsUntil([&] { return state.playState == kw::kStopped; }, 15000));
    runEventsFor(200);
    const Sound sound = recording.stop();

    EXPECT_EQ(linesHeard(sound.left), (std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4}));
    EXPECT_TRUE(view.errors.isEmpty()) << view.errors.join("\n").toStdString();
    EXPECT_EQ(view.status[kw::RepeatView::kStateText], u"已停止播放");
}
