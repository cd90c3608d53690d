// The program's main window with the real player on the private sound server: the sample lesson
// opens, plays at once and is heard at the sink's monitor.
#include "ScopedEnv.h"
#include "SoundFiles.h"
#include "TempDir.h"
#include "app/MainWindow.h"
#include "playback/gst/Devices.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "repeat/AppState.h"
#include "ui/UserPrompts.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

TEST(MainWindowSound, TheSampleLessonPlaysWhenOpened) {
    kwtest::TempDir config;
    kwtest::ScopedEnv configHome("XDG_CONFIG_HOME", config.path("cfg").toUtf8());
    QStringList messages;
    kw::setPromptResponder({[&](const kw::MessagePrompt& p) {
                                messages << p.text;
                                return QMessageBox::Ok;
                            },
                            {}});
    kw::MainWindowServices services;
    services.open.newPipeline = [] {
        return kw::gst::newPlaybackPipeline();
    };
    services.open.hasDefaultOutput = [] {
        return kw::gst::findDefaultRenderer().has_value();
    };
    services.open.repair = [](const QString&) {
    };
    services.sampleFolder = qEnvironmentVariable("KW_SOURCE_DIR") + "/resources/sample";
    services.warningSound = [] {
    };
    services.openUrl = [](const QUrl&) {
    };
    kw::AppState state;
    kw::MainWindow window(state, services);
    window.show();

    kwtest::MonitorRecording recording;
    window.execute(kw::Command::Sample);
    ASSERT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    ASSERT_TRUE(state.bLoaded);
    QTest::qWait(2500);
    const kwtest::Sound heard = recording.stop();
    EXPECT_EQ(window.statusPart(0)->text(), QStringLiteral("播放中…"));
    EXPECT_EQ(window.statusPart(1)->text(), QStringLiteral("1 / 20"));
    EXPECT_TRUE(window.statusPart(2)->text().endsWith(" / 00:00:38"))
        << window.statusPart(2)->text().toStdString();
    EXPECT_TRUE(window.windowTitle().startsWith("eg - "));
    // Speech is heard at the monitor: the first sentence starts half a second in.
    EXPECT_GT(kwtest::peak(heard.left), 0.1f);
    EXPECT_LT(kwtest::firstLoud(heard.left), heard.left.size());
    window.opener().closeFile();
    kw::setPromptResponder({});
}
