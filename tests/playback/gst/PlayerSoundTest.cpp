#include "SoundFiles.h"
#include "TempDir.h"
#include "playback/Player.h"
#include "playback/gst/GstPlaybackPipeline.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace kw;
using namespace kwtest;

namespace {

// Five seconds, a different tone each second.
const std::vector<Segment> kTones{
    {500, 1000}, {700, 1000}, {900, 1000}, {1100, 1000}, {1300, 1000}};
constexpr int kToneHz[] = {500, 700, 900, 1100, 1300};
// lame's encoder delay, kept in the timeline of files without a LAME tag.
constexpr double kUntaggedDelayMs = 1105.0 * 1000 / kRate;

void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

class Files {
public:
    Files() {
        cbr = encodeMp3(dir.path(""), "cbr", kTones, Mp3Kind::Cbr);
        vbr = encodeMp3(dir.path(""), "vbr", kTones, Mp3Kind::VbrXing);
        vbrNoXing = encodeMp3(dir.path(""), "vbr-no-xing", kTones, Mp3Kind::VbrNoXing);
    }
    QString path(Mp3Kind kind) const {
        return kind == Mp3Kind::Cbr ? cbr : kind == Mp3Kind::VbrXing ? vbr : vbrNoXing;
    }
    TempDir dir;
    QString cbr, vbr, vbrNoXing;
};

class PlayerSound : public testing::Test {
protected:
    static void SetUpTestSuite() { files = new Files; }
    static void TearDownTestSuite() {
        delete files;
        files = nullptr;
    }

    void open(const QString& path, Parser parser = Parser::Preferred) {
        ASSERT_FALSE(path.isEmpty());
        ASSERT_EQ(player.open(path, nullptr, parser), result::kOk) << path.toStdString();
    }

    static Files* files;
    Player player{gst::newPlaybackPipeline()};
};

Files* PlayerSound::files = nullptr;

// Where in `sound` the tone changes from `fromHz` to `toHz`, in samples.
std::size_t toneSwitch(const std::vector<float>& sound, std::size_t from, int fromHz, int toHz) {
    constexpr std::size_t kWindow = kRate / 100;
    for (std::size_t at = from; at + kWindow < sound.size(); at += 22) {
        if (tonePower(sound, at, kWindow, toHz, kRate) >
            tonePower(sound, at, kWindow, fromHz, kRate))
            return at + kWindow / 2;
    }
    return sound.size();
}

const char* kindName(Mp3Kind kind) {
    return kind == Mp3Kind::Cbr ? "CBR" : kind == Mp3Kind::VbrXing ? "VBR" : "VBR without Xing";
}

} // namespace

TEST_F(PlayerSound, LengthIsTrueFromTheMomentItOpens) {
    for (const Mp3Kind kind : {Mp3Kind::Cbr, Mp3Kind::VbrXing, Mp3Kind::VbrNoXing}) {
        SCOPED_TRACE(kindName(kind));
        open(files->path(kind));
        const double expected =
            double(lengthMs(kTones)) + (kind == Mp3Kind::VbrNoXing ? kUntaggedDelayMs : 0.0);
        // Without a LAME tag the decoder also plays the encoder's padding (under one frame).
        const double slack = kind == Mp3Kind::VbrNoXing ? 27.0 : 1.0;
        EXPECT_GE(double(player.durationMs()), expected - 1.0);
        EXPECT_LE(double(player.durationMs()), expected + slack);
    }
}

TEST_F(PlayerSound, PositionAdvancesInRealTimeOnlyWhileRunning) {
    open(files->cbr);
    QElapsedTimer clock;
    ASSERT_EQ(player.run(), result::kOk);
    clock.start();
    spin(600);
    const std::int64_t played = player.positionMs();
    EXPECT_NEAR(double(played), double(clock.elapsed()), 80.0);

    ASSERT_EQ(player.pause(), result::kOk);
    const std::int64_t paused = player.positionMs();
    spin(300);
    EXPECT_EQ(player.positionMs(), paused);
    EXPECT_FALSE(player.atEnd());
    player.stop();
}

TEST_F(PlayerSound, SeekIsClampedAndBeyondTheEndIsTheEnd) {
    open(files->vbrNoXing);
    player.seekMs(2000);
    EXPECT_EQ(player.positionMs(), 2000);
    player.seekMs(-5);
    EXPECT_EQ(player.positionMs(), 0);
    EXPECT_FALSE(player.atEnd());
    player.seekMs(1'000'000);
    EXPECT_EQ(player.positionMs(), player.durationMs());
    EXPECT_TRUE(player.atEnd());
    player.seekMs(1000);
    EXPECT_FALSE(player.atEnd());
}

TEST_F(PlayerSound, PlayingOutReachesTheEnd) {
    open(files->vbrNoXing);
    player.seekMs(static_cast<std::int32_t>(player.durationMs() - 300));
    ASSERT_EQ(player.run(), result::kOk);
    QElapsedTimer clock;
    clock.start();
    while (!player.atEnd() && clock.elapsed() < 3000)
        spin(10);
    EXPECT_TRUE(player.atEnd());
    EXPECT_LT(clock.elapsed(), 1000);
    player.stop();
}

TEST_F(PlayerSound, SeekLandsOnTheRequestedSample) {
    for (const Mp3Kind kind : {Mp3Kind::Cbr, Mp3Kind::VbrXing, Mp3Kind::VbrNoXing}) {
        SCOPED_TRACE(kindName(kind));
        open(files->path(kind));
        player.seekMs(4000); // a first seek far ahead, then the one measured
        MonitorRecording monitor;
        spin(100);
        player.seekMs(2800);
        ASSERT_EQ(player.run(), result::kOk);
        spin(500);
        player.stop();
        const Sound sound = monitor.stop();
        const std::size_t onset = firstLoud(sound.left);
        ASSERT_LT(onset, sound.left.size());
        const std::size_t change = toneSwitch(sound.left, onset, kToneHz[2], kToneHz[3]);
        ASSERT_LT(change, sound.left.size());
        const double heardMs = double(change - onset) * 1000 / kRate;
        const double expected = 200.0 + (kind == Mp3Kind::VbrNoXing ? kUntaggedDelayMs : 0.0);
        EXPECT_NEAR(heardMs, expected, 3.0);
        EXPECT_GT(tonePower(sound.left, onset, kRate / 20, kToneHz[2], kRate), 0.02)
            << "the first thing heard is the 900 Hz second";
    }
}

TEST_F(PlayerSound, ParsePathsTakeWhatTheyPlayCorrectly) {
    const QByteArray mp3 = TempDir::read(files->cbr);
    const QString riff = files->dir.write("riff.mp3", wrapInRiff(mp3));
    const QString junkFirst = files->dir.write("junk.mp3", QByteArray(3000, '\x55') + mp3);
    const QString mka = files->dir.path("in.mka");
    ASSERT_TRUE(
        runTool("gst-launch-1.0", {"-q", "filesrc", "location=" + files->cbr, "!", "mpegaudioparse",
                                   "!", "matroskamux", "!", "filesink", "location=" + mka}));
    const QString text =
        files->dir.write("notes.mp3", QByteArray("not a sound file\n").repeated(200));

    struct Case {
        QString path;
        bool preferredOpens;
        bool eitherOpens;
    };
    const Case cases[] = {
        {files->cbr, true, true}, {riff, true, true},   {junkFirst, false, true},
        {mka, false, true},       {text, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(!failed(player.open(c.path, nullptr, Parser::Preferred)), c.preferredOpens);
        const ResultCode code = openWithEitherParser(player, c.path, nullptr, Parser::Preferred);
        EXPECT_EQ(!failed(code), c.eitherOpens);
        if (c.eitherOpens) {
            EXPECT_NEAR(double(player.durationMs()), 5000.0, 60.0);
        } else {
            Player second(gst::newPlaybackPipeline());
            EXPECT_EQ(code, second.open(c.path, nullptr, Parser::Splitter))
                << "the second path's code is the one reported";
            EXPECT_FALSE(resultText(code).isEmpty());
        }
    }
}

TEST_F(PlayerSound, MissingFileIsNotFound) {
    EXPECT_EQ(openWithEitherParser(player, files->dir.path("none.mp3"), nullptr, Parser::Preferred),
              result::kFileNotFound);
}

TEST_F(PlayerSound, ChannelAndVolumeAreWhatTheMonitorHears) {
    open(files->cbr);
    struct Case {
        int channel;
        std::int32_t level;
        float left;
        float right;
    };
    // The tones are at half scale.
    const Case cases[] = {
        {kChannelStereo, 0, 0.5f, 0.5f},
        {kChannelLeft, 0, 0.5f, 0.0f},
        {kChannelRight, 0, 0.0f, 0.5f},
        {kChannelStereo, -600, 0.25f, 0.25f},
        {kChannelStereo, kVolumeSilent, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "channel " << c.channel << " level " << c.level);
        player.setChannel(c.channel);
        ASSERT_EQ(player.setVolume(c.level), result::kOk);
        player.seekMs(1000);
        MonitorRecording monitor;
        player.run();
        spin(300);
        player.pause();
        const Sound sound = monitor.stop();
        EXPECT_NEAR(peak(sound.left), c.left, 0.03f);
        EXPECT_NEAR(peak(sound.right), c.right, 0.03f);
    }
}

TEST_F(PlayerSound, ResumeAfterALongPauseIsHeardAtOnce) {
    open(files->cbr);
    player.run();
    spin(200);
    player.pause();
    spin(1500);
    MonitorRecording monitor;
    spin(100);
    player.run();
    spin(300);
    player.pause();
    const Sound sound = monitor.stop();
    const std::size_t onset = firstLoud(sound.left);
    ASSERT_LT(onset, sound.left.size());
    EXPECT_LT(double(onset) * 1000 / kRate, 100.0 + 60.0) << "not the pause played back as silence";
}

// What a pipeline is left as when it could not be rebuilt (its file gone meanwhile): every
// command is refused or ignored, none crashes.
TEST(PlaybackPipelineUnbuilt, CommandsAreRefusedOrIgnored) {
    const std::unique_ptr<PlaybackPipeline> pipeline = gst::newPlaybackPipeline();
    EXPECT_TRUE(failed(pipeline->run()));
    EXPECT_TRUE(failed(pipeline->pause()));
    pipeline->seek(1'000'000);
    EXPECT_EQ(pipeline->setGain(0.5), result::kOk);
    pipeline->setPanorama(-1);
    EXPECT_EQ(pipeline->positionNs(), 0);
    EXPECT_FALSE(pipeline->endOfStream());
}
