#include "playback/Recorder.h"

#include "playback/Player.h"
#include "playback/sim/SimMedia.h"

#include <gtest/gtest.h>

using namespace kw;
using sim::SimMedia;

namespace {

class Owner : public RecordingNotifyTarget {
public:
    void onRecordingNotify(Recorder& recorder) override {
        GraphEvent event;
        while (recorder.takeEvent(event))
            events.push_back(event);
    }
    std::vector<GraphEvent> events;
};

} // namespace

TEST(RecorderOverSim, ARecordingPlaysBackForAsLongAsItRan) {
    SimMedia media;
    QString name;
    auto device = media.captureDevices({"Mic"})(0, name);
    Recorder recorder(media.newRecordingPipeline());
    Owner owner;
    ASSERT_EQ(recorder.build(*device, name, &owner), result::kOk);

    for (const std::int64_t ms : {3000, 1200}) {
        ASSERT_EQ(recorder.setTarget("/rec.mp3"), result::kOk);
        ASSERT_EQ(recorder.start(), result::kOk);
        media.advanceMs(ms);
        ASSERT_EQ(recorder.stop(), result::kOk);
        Player player(media.newPlaybackPipeline());
        ASSERT_EQ(player.open("/rec.mp3", nullptr, Parser::Preferred), result::kOk);
        EXPECT_EQ(player.durationMs(), ms);
    }
    EXPECT_EQ(media.lastRecording().starts, 2) << "the built recorder is reused";
}

TEST(RecorderOverSim, LongDeviceNamesAreCut) {
    SimMedia media;
    const QString seventy(70, u'麦');
    QString name;
    auto device = media.captureDevices({seventy})(0, name);
    EXPECT_EQ(name, seventy.left(63));
    Recorder recorder(media.newRecordingPipeline());
    ASSERT_EQ(recorder.build(*device, seventy, nullptr), result::kOk);
    EXPECT_EQ(recorder.deviceName(), seventy.left(63));
    EXPECT_EQ(media.lastRecording().elementName, seventy.left(63));
}

TEST(RecorderOverSim, UnbuiltRefusesAndCloseStopsFirst) {
    SimMedia media;
    Recorder recorder(media.newRecordingPipeline());
    EXPECT_EQ(recorder.setTarget("/x.mp3"), result::kUnexpected);
    EXPECT_EQ(recorder.start(), result::kUnexpected);
    EXPECT_EQ(recorder.stop(), result::kUnexpected);
    recorder.close();

    QString name;
    auto device = media.captureDevices({"Mic"})(0, name);
    ASSERT_EQ(recorder.build(*device, name, nullptr), result::kOk);
    recorder.setTarget("/x.mp3");
    recorder.start();
    media.advanceMs(500);
    recorder.close();
    EXPECT_FALSE(media.lastRecording().built);
    EXPECT_EQ(media.lastRecording().stops, 1) << "the file is completed before closing";
}

TEST(RecorderOverSim, FailedStartKeepsTheRecorderBuilt) {
    SimMedia media;
    QString name;
    auto device = media.captureDevices({"Mic"})(0, name);
    Recorder recorder(media.newRecordingPipeline());
    ASSERT_EQ(recorder.build(*device, name, nullptr), result::kOk);
    media.failRecordings(result::kNoAudioHardware);
    EXPECT_EQ(recorder.start(), result::kNoAudioHardware);
    EXPECT_TRUE(recorder.isBuilt());
}

TEST(DeviceProperties, NothingToShowIsOne) {
    class Silent : public CaptureDevice {
    public:
        QString name() const override { return "x"; }
        QStringList properties() const override { return {}; }
    } silent;
    QStringList lines{"stale"};
    EXPECT_EQ(deviceProperties(silent, lines), result::kNothing);
    EXPECT_TRUE(lines.isEmpty());

    SimMedia media;
    QString name;
    auto device = media.captureDevices({"Mic"})(0, name);
    EXPECT_EQ(deviceProperties(*device, lines), result::kOk);
    EXPECT_EQ(lines, QStringList{"name = Mic"});
}
