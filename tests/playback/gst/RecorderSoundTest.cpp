#include "SoundFiles.h"
#include "TempDir.h"
#include "playback/Player.h"
#include "playback/Recorder.h"
#include "playback/gst/Devices.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "playback/gst/GstRecordingPipeline.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

using namespace kw;
using namespace kwtest;

namespace {

void spin(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

struct FrameSummary {
    int frames = 0;
    std::set<int> bitrates;
    std::set<int> rates;
    qsizetype trailing = 0; // bytes after the last whole frame
};

// Walks the MPEG-2 layer III frames of a bare MP3 file.
FrameSummary frames(const QByteArray& bytes) {
    static const int kMpeg2Kbps[] = {0,  8,  16, 24,  32,  40,  48,  56,
                                     64, 80, 96, 112, 128, 144, 160, 0};
    static const int kMpeg2Rates[] = {22050, 24000, 16000, 0};
    FrameSummary s;
    qsizetype at = 0;
    while (at + 4 <= bytes.size()) {
        const auto b = [&](int i) {
            return static_cast<std::uint8_t>(bytes[at + i]);
        };
        if (b(0) != 0xFF || (b(1) & 0xFE) != 0xF2) // MPEG-2, layer III
            break;
        const int kbps = kMpeg2Kbps[b(2) >> 4];
        const int rate = kMpeg2Rates[(b(2) >> 2) & 3];
        if (kbps == 0 || rate == 0)
            break;
        s.bitrates.insert(kbps);
        s.rates.insert(rate);
        ++s.frames;
        at += 72 * kbps * 1000 / rate + ((b(2) >> 1) & 1);
    }
    s.trailing = bytes.size() - at;
    return s;
}

std::unique_ptr<CaptureDevice> monitorDevice(QString& name) {
    CaptureDeviceTable table;
    const int count = gst::listCaptureDevices(table);
    for (int i = 0; i < count; ++i) {
        if (table.entries[std::size_t(i)]->name() == "Monitor of TestSink")
            return gst::openCaptureDevice(i, name);
    }
    return nullptr;
}

} // namespace

TEST(RecorderSound, RecordingsAre32kCbrAt22050CompleteAndPlayable) {
    TempDir dir;
    const QString tone = encodeMp3(dir.path(""), "tone", {{1000, 8000}}, Mp3Kind::Cbr);
    Player source(gst::newPlaybackPipeline());
    ASSERT_EQ(source.open(tone, nullptr, Parser::Preferred), result::kOk);

    QString name;
    auto device = monitorDevice(name);
    ASSERT_TRUE(device);
    Recorder recorder(gst::newRecordingPipeline());
    ASSERT_EQ(recorder.build(*device, name, nullptr), result::kOk);

    const QString target = dir.path("me.mp3");
    for (const int seconds : {3, 1}) {
        SCOPED_TRACE(seconds);
        QFile::remove(target);
        ASSERT_EQ(recorder.setTarget(target), result::kOk);
        source.seekMs(0);
        source.run();
        ASSERT_EQ(recorder.start(), result::kOk);
        spin(seconds * 1000);
        ASSERT_EQ(recorder.stop(), result::kOk);
        source.pause();

        const FrameSummary s = frames(TempDir::read(target));
        EXPECT_EQ(s.bitrates, std::set<int>{32});
        EXPECT_EQ(s.rates, std::set<int>{22050});
        EXPECT_EQ(s.trailing, 0) << "the last frame is whole";
        EXPECT_NEAR(s.frames * 576.0 / 22050, double(seconds), 0.25);

        Player back(gst::newPlaybackPipeline());
        ASSERT_EQ(back.open(target, nullptr, Parser::Preferred), result::kOk);
        EXPECT_NEAR(double(back.durationMs()), seconds * 1000.0, 250.0);
        MonitorRecording monitor;
        back.seekMs(300);
        back.run();
        spin(300);
        back.stop();
        const Sound heard = monitor.stop();
        EXPECT_GT(tonePower(heard.left, firstLoud(heard.left), kRate / 10, 1000, kRate), 0.005)
            << "the recording holds the tone that played";
    }
}
