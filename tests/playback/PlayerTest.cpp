#include "playback/Player.h"

#include "playback/sim/SimMedia.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kw;
using sim::SimMedia;
using sim::SimPlayback;

namespace {

const QString kFile = QStringLiteral("/lesson.mp3");
constexpr std::int64_t kLengthMs = 20'000;

class Owner : public GraphNotifyTarget {
public:
    void onGraphNotify(Player& player) override {
        ++notifications;
        GraphEvent event;
        while (player.takeEvent(event))
            events.push_back(event);
    }
    int notifications = 0;
    std::vector<GraphEvent> events;
};

class PlayerOverSim : public testing::Test {
protected:
    PlayerOverSim() { media.addFile(kFile, kLengthMs); }

    void openFile() { ASSERT_EQ(player.open(kFile, &owner, Parser::Preferred), result::kOk); }
    const SimPlayback& seen() const { return media.lastPlayback(); }

    SimMedia media;
    Player player{media.newPlaybackPipeline()};
    Owner owner;
};

} // namespace

TEST_F(PlayerOverSim, PositionAdvancesOnlyWhileRunning) {
    openFile();
    EXPECT_EQ(player.durationMs(), kLengthMs);
    EXPECT_EQ(player.positionMs(), 0);

    media.advanceMs(500);
    EXPECT_EQ(player.positionMs(), 0) << "built but not running";

    ASSERT_EQ(player.run(), result::kOk);
    media.advanceMs(1500);
    EXPECT_EQ(player.positionMs(), 1500);

    ASSERT_EQ(player.pause(), result::kOk);
    media.advanceMs(1000);
    EXPECT_EQ(player.positionMs(), 1500);

    player.run();
    media.advanceMs(250);
    EXPECT_EQ(player.positionMs(), 1750);
}

TEST_F(PlayerOverSim, SeekIsClampedToTheLength) {
    openFile();
    struct Case {
        std::int32_t requested;
        std::int64_t landed;
        bool atEnd;
    };
    const Case cases[] = {
        {-5, 0, false},
        {0, 0, false},
        {12'345, 12'345, false},
        {kLengthMs, kLengthMs, true},
        {kLengthMs + 1, kLengthMs, true},
        {INT32_MAX, kLengthMs, true},
    };
    for (const Case& c : cases) {
        player.seekMs(c.requested);
        EXPECT_EQ(player.positionMs(), c.landed) << c.requested;
        EXPECT_EQ(player.atEnd(), c.atEnd) << c.requested;
        EXPECT_EQ(seen().seeksNs.back(), c.landed * 1'000'000) << "sample-exact target";
    }
}

TEST_F(PlayerOverSim, PositionIsTruncatedToWholeMilliseconds) {
    openFile();
    player.run();
    media.advanceMs(12'345);
    // 123456789 units of 100 ns are 12345 ms; the pipeline counts nanoseconds.
    EXPECT_EQ(player.positionMs(), 12'345);
}

TEST_F(PlayerOverSim, PlayingOutIsTheEndEvenShortOfTheLength) {
    media.setEndShortfallMs(9);
    openFile();
    player.seekMs(19'000);
    player.run();
    media.advanceMs(990);
    EXPECT_FALSE(player.atEnd());
    media.advanceMs(100);
    EXPECT_LT(player.positionMs(), kLengthMs);
    EXPECT_TRUE(player.atEnd());

    player.seekMs(1000);
    EXPECT_FALSE(player.atEnd()) << "a seek back leaves the end";
    EXPECT_TRUE(owner.events.empty()) << "the end is polled, not an event";
}

TEST_F(PlayerOverSim, SecondParserOpensWhatTheFirstRejects) {
    media.rejectFile(kFile, Parser::Preferred, result::kUnsupportedStream);
    EXPECT_EQ(openWithEitherParser(player, kFile, &owner, Parser::Preferred), result::kOk);
    EXPECT_TRUE(player.isBuilt());
    EXPECT_EQ(player.parser(), Parser::Splitter);
    EXPECT_EQ(player.durationMs(), kLengthMs);
}

TEST_F(PlayerOverSim, FirstParserIsTheOwnersChoice) {
    EXPECT_EQ(openWithEitherParser(player, kFile, &owner, Parser::Splitter), result::kOk);
    EXPECT_EQ(player.parser(), Parser::Splitter);
    EXPECT_EQ(seen().builds, 1);
}

TEST_F(PlayerOverSim, WhenBothParsersFailTheSecondCodeIsReported) {
    media.rejectFile(kFile, Parser::Preferred, result::kUnsupportedStream);
    media.rejectFile(kFile, Parser::Splitter, result::kCannotConnect);
    EXPECT_EQ(openWithEitherParser(player, kFile, &owner, Parser::Preferred),
              result::kCannotConnect);
    EXPECT_FALSE(player.isBuilt());
    EXPECT_EQ(seen().state, SimPlayback::State::Unbuilt);

    const QString missing = QStringLiteral("/missing.mp3");
    EXPECT_EQ(openWithEitherParser(player, missing, &owner, Parser::Splitter),
              result::kFileNotFound);
}

TEST_F(PlayerOverSim, UnbuiltPlayerRefusesAndReportsNothing) {
    EXPECT_EQ(player.run(), result::kUnexpected);
    EXPECT_EQ(player.pause(), result::kUnexpected);
    EXPECT_EQ(player.stop(), result::kUnexpected);
    EXPECT_EQ(player.setVolume(0), result::kUnexpected);
    player.seekMs(100);
    EXPECT_EQ(player.positionMs(), 0);
    EXPECT_EQ(player.durationMs(), 0);
    EXPECT_FALSE(player.atEnd());
    EXPECT_TRUE(seen().seeksNs.empty());
}

TEST_F(PlayerOverSim, CloseIsHarmlessWhenUnbuiltOrTwice) {
    player.close();
    openFile();
    player.close();
    player.close();
    EXPECT_FALSE(player.isBuilt());
    EXPECT_EQ(seen().state, SimPlayback::State::Unbuilt);
    openFile();
    EXPECT_EQ(seen().builds, 2) << "a closed player can be opened again";
}

TEST_F(PlayerOverSim, FailedRunLeavesThePlayerBuilt) {
    openFile();
    media.failRuns(result::kNoAudioHardware);
    EXPECT_EQ(player.run(), result::kNoAudioHardware);
    EXPECT_TRUE(player.isBuilt());
    media.failRuns(result::kOk);
    EXPECT_EQ(player.run(), result::kOk);
}

TEST_F(PlayerOverSim, StopKeepsThePlayerBuilt) {
    openFile();
    player.run();
    media.advanceMs(300);
    EXPECT_EQ(player.stop(), result::kOk);
    media.advanceMs(300);
    EXPECT_EQ(seen().state, SimPlayback::State::Stopped);
    player.seekMs(0);
    EXPECT_EQ(player.run(), result::kOk);
    media.advanceMs(100);
    EXPECT_EQ(player.positionMs(), 100);
}

TEST_F(PlayerOverSim, VolumeLevelsBecomeGains) {
    openFile();
    struct Case {
        std::int32_t level;
        ResultCode code;
        double gain;
    };
    const Case cases[] = {
        {0, result::kOk, 1.0},         {-600, result::kOk, 0.50119},
        {-2000, result::kOk, 0.1},     {-10000, result::kOk, 0.0},
        {1, result::kInvalidArg, 0.0}, {-10001, result::kInvalidArg, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(player.setVolume(c.level), c.code) << c.level;
        if (!failed(c.code)) {
            EXPECT_NEAR(seen().gain, c.gain, 1e-5) << c.level;
        }
    }
    EXPECT_EQ(seen().gain, 0.0) << "a refused level changes nothing";
}

TEST_F(PlayerOverSim, ChannelModesBecomePanorama) {
    openFile();
    const std::pair<int, double> cases[] = {
        {kChannelLeft, -1.0}, {kChannelRight, 1.0}, {kChannelStereo, 0.0}, {7, 0.0}, {-1, 0.0}};
    for (const auto& [mode, panorama] : cases) {
        player.setChannel(mode);
        EXPECT_EQ(seen().panorama, panorama) << mode;
    }
}

TEST_F(PlayerOverSim, ErrorWhileRunningReachesTheOwnerAsErrorAbort) {
    openFile();
    media.raiseError(result::kRuntimeError);
    EXPECT_EQ(owner.notifications, 0) << "not running";

    player.run();
    media.raiseError(result::kRuntimeError);
    ASSERT_EQ(owner.events.size(), 1u);
    EXPECT_EQ(owner.events[0].code, kEventErrorAbort);
    EXPECT_EQ(owner.events[0].param, result::kRuntimeError);
    GraphEvent left;
    EXPECT_FALSE(player.takeEvent(left)) << "drained";
}

TEST_F(PlayerOverSim, ClosingDropsEventsNotYetTaken) {
    Player quiet(media.newPlaybackPipeline());
    ASSERT_EQ(quiet.open(kFile, nullptr, Parser::Preferred), result::kOk);
    quiet.run();
    media.raiseError(result::kFail);
    quiet.close();
    GraphEvent event;
    EXPECT_FALSE(quiet.takeEvent(event));
}
