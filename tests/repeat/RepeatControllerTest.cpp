#include "RepeatFixture.h"
#include "subtitle/Sentences.h"
#include "texts/RepeatTexts.h"

using kwtest::RepeatFixture;

namespace {

constexpr kw::ResultCode kBroken = kw::result::kUnsupportedStream;

} // namespace

class Controller : public RepeatFixture {
protected:
    QString stateText() const { return view.status[kw::RepeatView::kStateText]; }
    QString counterText() const { return view.status[kw::RepeatView::kSentenceCounter]; }
    QString timeText() const { return view.status[kw::RepeatView::kTimeText]; }
};

TEST_F(Controller, PlayingPausingAndStoppingShowTheirState) {
    loadEvenly(4);
    struct Step {
        void (kw::RepeatController::*command)();
        kw::PlayState state;
        QStringView stateText;
        bool pauseImage;
        kw::ToolbarState toolbar;
    };
    const Step steps[] = {
        {&kw::RepeatController::playPause,
         kw::kPlaying,
         kw::text::kStatusPlaying,
         true,
         {true, true, true}},
        {&kw::RepeatController::playPause,
         kw::kPaused,
         kw::text::kStatusPaused,
         false,
         {true, true, true}},
        {&kw::RepeatController::playPause,
         kw::kPlaying,
         kw::text::kStatusPlaying,
         true,
         {true, true, true}},
        {&kw::RepeatController::stop,
         kw::kStopped,
         kw::text::kStatusStopped,
         false,
         {true, false, true}},
        {&kw::RepeatController::playPause,
         kw::kPlaying,
         kw::text::kStatusPlaying,
         true,
         {true, true, true}},
        {&kw::RepeatController::playPause,
         kw::kPaused,
         kw::text::kStatusPaused,
         false,
         {true, true, true}},
        {&kw::RepeatController::stop,
         kw::kStopped,
         kw::text::kStatusStopped,
         false,
         {true, false, true}},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(n++);
        (controller.*step.command)();
        EXPECT_EQ(state.playState, step.state);
        EXPECT_EQ(stateText(), step.stateText);
        EXPECT_EQ(view.playImage, step.pauseImage);
        EXPECT_EQ(view.toolbar, step.toolbar);
        EXPECT_EQ(controller.isPolling(), step.state == kw::kPlaying);
        EXPECT_EQ(view.toolTipHides, n);
    }
}

TEST_F(Controller, PauseAndResumeGoOnWhereTheyWereWithoutASeek) {
    loadEvenly(4);
    state.totalCount = 3;
    playPause();
    playFor(1500);
    ASSERT_EQ(state.repeatDone, 2);
    controller.playPause();
    media.advanceMs(5000);
    controller.tick();
    EXPECT_EQ(positionMs(), 500);
    controller.playPause();
    EXPECT_EQ(positionMs(), 500);
    EXPECT_EQ(state.repeatDone, 2);
    EXPECT_EQ(seeksMs(), (std::vector<std::int64_t>{0, 0}));
    playFor(500);
    EXPECT_EQ(state.repeatDone, 3);
    EXPECT_EQ(heard, (std::vector<int>{0, 0, 0}));
}

TEST_F(Controller, StopReturnsToTheFirstLine) {
    loadEvenly(5);
    state.totalCount = 1;
    playPause();
    playFor(2500);
    ASSERT_EQ(state.curLine, 2);
    controller.stop();
    EXPECT_EQ(state.curLine, 0);
    EXPECT_EQ(state.repeatDone, 0);
    EXPECT_EQ(counterText(), u"1 / 5");
    controller.playPause();
    EXPECT_EQ(positionMs(), 0);
    EXPECT_EQ(state.repeatDone, 1);
}

TEST_F(Controller, CommandsWithoutAFileOrWhileStoppedDoNothing) {
    controller.playPause();
    controller.stop();
    controller.tick();
    controller.refreshStatus();
    controller.onGraphEvent();
    EXPECT_EQ(state.playState, kw::kStopped);
    EXPECT_EQ(view.statusWrites, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(view.toolTipHides, 0);

    loadEvenly(3);
    controller.stop();
    controller.tick();
    EXPECT_EQ(view.statusWrites, (std::array<int, 3>{0, 0, 0}));
    EXPECT_TRUE(seeksMs().empty());
}

TEST_F(Controller, CounterFollowsPlaybackAcrossSentences) {
    loadEvenly(3);
    state.totalCount = 3;
    state.bFileLoopPlay = false;
    playPause();
    playFor(2990);
    EXPECT_EQ(state.curLine, 0);
    playFor(10);
    EXPECT_EQ(state.curLine, 1);
    EXPECT_EQ(state.repeatDone, 1);
    EXPECT_EQ(counterText(), u"2 / 3");
    // Three hearings of each line; flowing on into the next line needs no seek.
    playFor(6000);
    EXPECT_EQ(seeksMs(), (std::vector<std::int64_t>{0, 0, 0, 1000, 1000, 2000, 2000}));
    EXPECT_EQ(state.playState, kw::kStopped);
}

TEST_F(Controller, LoopingAtTheEndShowsTheFirstSentenceAndPlaysOn) {
    loadEvenly(3);
    state.totalCount = 1;
    playPause();
    playFor(2990);
    EXPECT_EQ(counterText(), u"3 / 3");
    playFor(10);
    EXPECT_EQ(state.playState, kw::kPlaying);
    EXPECT_EQ(counterText(), u"1 / 3");
    EXPECT_EQ(stateText(), kw::text::kStatusPlaying);
    EXPECT_EQ(state.repeatDone, 1);
    EXPECT_EQ(positionMs(), 0);
    EXPECT_TRUE(controller.isPolling());
}

TEST_F(Controller, LastLineRepeatsByGoingBackAtTheEndOfMedia) {
    loadEvenly(3);
    state.totalCount = 0;
    media.setEndShortfallMs(1);
    navigator.lastSentence();
    playPause();
    playFor(5000);
    EXPECT_EQ(heard, (std::vector<int>{2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(state.curLine, 2);
}

TEST_F(Controller, LoweringTheCountEndsTheSentenceAtItsNextEnd) {
    loadEvenly(3);
    state.totalCount = 5;
    playPause();
    playFor(2500);
    ASSERT_EQ(state.repeatDone, 3);
    state.totalCount = 2;
    playFor(500);
    EXPECT_EQ(state.curLine, 1);
    EXPECT_EQ(state.repeatDone, 1);
    EXPECT_EQ(heard, (std::vector<int>{0, 0, 0, 1}));
}

TEST_F(Controller, ModeChangeWhilePlayingTakesEffectAtTheNextPoll) {
    loadEvenly(6);
    state.totalCount = 1;
    playPause();
    playFor(2500);
    ASSERT_EQ(state.curLine, 2);
    ASSERT_EQ(counterText(), u"3 / 6");
    state.lrcMode = kw::kPairsFromFirst;
    // Line 2 now heads the pair (2, 3): crossing into line 3 keeps the sentence.
    playFor(500);
    EXPECT_EQ(state.curLine, 3);
    EXPECT_EQ(counterText(), u"2 / 3");
    state.totalCount = 2;
    playFor(1000);
    EXPECT_EQ(state.curLine, 2);
    EXPECT_EQ(state.repeatDone, 2);
    EXPECT_EQ(heard, (std::vector<int>{0, 1, 2, 3, 2}));
}

TEST_F(Controller, TimeTextShowsPositionAndLength) {
    load({0, 3725000}, 3726000);
    playPause();
    EXPECT_EQ(timeText(), QString());
    playFor(10);
    EXPECT_EQ(timeText(), u"00:00:00 / 01:02:06");
    const int writes = view.statusWrites[kw::RepeatView::kTimeText];
    playFor(980);
    EXPECT_EQ(view.statusWrites[kw::RepeatView::kTimeText], writes);
    playFor(10);
    EXPECT_EQ(timeText(), u"00:00:01 / 01:02:06");
    navigator.nextSentence();
    EXPECT_EQ(timeText(), u"01:02:05 / 01:02:06");
}

TEST_F(Controller, RunFailureLeavesTheStateAsItWas) {
    loadEvenly(3);
    navigator.nextSentence();
    media.failRuns(kBroken);
    controller.playPause();
    EXPECT_EQ(state.playState, kw::kStopped);
    EXPECT_FALSE(controller.isPolling());
    EXPECT_EQ(positionMs(), 1000);
    const QString expected =
        kw::text::kRunFailed.toString().replace(QStringLiteral("%s"), kw::resultText(kBroken));
    EXPECT_EQ(view.errors, QStringList{expected});

    media.failRuns(kw::result::kOk);
    playPause();
    controller.playPause();
    media.failRuns(kBroken);
    controller.playPause();
    EXPECT_EQ(state.playState, kw::kPaused);
    EXPECT_EQ(stateText(), kw::text::kStatusPaused);
    EXPECT_EQ(view.errors.size(), 2);
}

TEST_F(Controller, PlaybackErrorStopsWithAMessage) {
    loadEvenly(3);
    playPause();
    playFor(1500);
    media.raiseError(kBroken);
    EXPECT_EQ(state.playState, kw::kStopped);
    EXPECT_EQ(state.curLine, 0);
    EXPECT_FALSE(controller.isPolling());
    EXPECT_EQ(stateText(), kw::text::kStatusStopped);
    const QString expected = kw::text::kPlaybackAborted.toString().replace(QStringLiteral("%s"),
                                                                           kw::resultText(kBroken));
    EXPECT_EQ(view.errors, QStringList{expected});
}

TEST_F(Controller, BoundaryBetweenPollsIsCaughtWhenItComes) {
    loadEvenly(3);
    playPause();
    media.advanceMs(3);
    playFor(990);
    // Polls fall on 3, 13, ... 993 ms: the next one would come 3 ms after line 1 starts.
    EXPECT_EQ(controller.boundaryWakeMs(), 7);
    playFor(7);
    EXPECT_EQ(seeksMs(), (std::vector<std::int64_t>{0, 0}));
    EXPECT_EQ(controller.boundaryWakeMs(), 0);
    controller.playPause();
    EXPECT_EQ(controller.boundaryWakeMs(), 0);
}

TEST_F(Controller, GoingBackToTheHeadOfAPairMovesTheListPointer) {
    struct Case {
        int mode;
        int playMs;
        int secondLine;
    };
    for (const Case c : {Case{kw::kPairsFromFirst, 1000, 1}, Case{kw::kPairsFromSecond, 3000, 2}}) {
        SCOPED_TRACE(c.mode);
        controller.stop();
        state.lrcMode = c.mode;
        state.totalCount = 2;
        loadEvenly(4);
        playPause();
        playFor(c.playMs);
        ASSERT_EQ(state.curLine, c.secondLine);
        const int pointerMoves = view.posRefreshes;
        playFor(1000);
        EXPECT_EQ(state.curLine, c.secondLine - 1);
        EXPECT_EQ(view.posRefreshes, pointerMoves + 1);
    }
}
