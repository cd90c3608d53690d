#include "playback/Player.h"
#include "playback/gst/Devices.h"
#include "playback/gst/GstPlaybackPipeline.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace kw;

namespace {

QString pactl(const QStringList& arguments) {
    QProcess process;
    process.start("pactl", arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool pulse(const char* command) {
    QProcess process;
    process.start(qEnvironmentVariable("KW_SOURCE_DIR") + "/scripts/pulse.sh",
                  {command, qEnvironmentVariable("KW_PULSE_DIR")});
    return process.waitForFinished(20'000) && process.exitCode() == 0;
}

QStringList listedNames() {
    CaptureDeviceTable table;
    const int count = gst::listCaptureDevices(table);
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << table.entries[std::size_t(i)]->name();
    gst::releaseCaptureDevices(table);
    return names;
}

} // namespace

TEST(Devices, DefaultOutputIsTheServersDefaultSink) {
    EXPECT_EQ(gst::findDefaultRenderer(), std::optional<QString>("TestSink"));
}

TEST(Devices, CaptureListAndOpenAgreeInAStableOrder) {
    const QStringList names = listedNames();
    EXPECT_TRUE(names.contains("Monitor of TestSink"));
    EXPECT_TRUE(names.contains("TestNullSource"));
    EXPECT_EQ(listedNames(), names);
    for (int i = 0; i < names.size(); ++i) {
        QString name;
        auto device = gst::openCaptureDevice(i, name);
        ASSERT_TRUE(device);
        EXPECT_EQ(name, names[i]);
        EXPECT_FALSE(device->properties().isEmpty());
    }
    QString name;
    EXPECT_FALSE(gst::openCaptureDevice(int(names.size()), name));
    EXPECT_FALSE(gst::openCaptureDevice(-1, name));
}

TEST(Devices, LongNamesAreUsedByTheirFirst63Characters) {
    const QString seventy =
        QString("Seventy_character_capture_device_name_").leftJustified(70, 'x');
    const QString module = pactl(
        {"load-module", "module-null-source", "source_name=longname", "description=" + seventy});
    ASSERT_FALSE(module.isEmpty());
    const QStringList names = listedNames();
    pactl({"unload-module", module});
    EXPECT_TRUE(names.contains(seventy.left(63)));
    EXPECT_FALSE(names.contains(seventy));
}

// Last: stops the sound server and starts it again.
TEST(Devices, NoSoundServerNoDefaultOutput) {
    ASSERT_TRUE(pulse("stop"));
    const std::optional<QString> renderer = gst::findDefaultRenderer();
    Player player(gst::newPlaybackPipeline());
    const ResultCode code = player.open(
        QString(qEnvironmentVariable("KW_SOURCE_DIR")) + "/README.md", nullptr, Parser::Splitter);
    ASSERT_TRUE(pulse("start"));
    EXPECT_FALSE(renderer);
    EXPECT_EQ(code, result::kNoAudioHardware);
}
