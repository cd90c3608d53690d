#include "ScopedEnv.h"
#include "TempDir.h"
#include "app/settings/SettingsStore.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringEncoder>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

constexpr int kKills = 200;

// Files in memory when the machine has such a folder: a save then takes microseconds rather
// than the milliseconds of syncing to a disk, and the kills still land at every step of it.
QString fastFolder() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QString();
}

QByteArray utf16Le(const QString& text) {
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(text));
}

// A subtitle file large enough that a save takes a while, with `first` as line 0's text.
QByteArray lesson(const QString& first) {
    QString text = QStringLiteral("[ti:Kill test]\r\n[00:00.00]%1\r\n").arg(first);
    for (int i = 1; i < 600; ++i)
        text += QStringLiteral("[%1:%2.00]Sentence number %3 of the lesson, with some words.\r\n")
                    .arg(i / 60, 2, 10, QChar(u'0'))
                    .arg(i % 60, 2, 10, QChar(u'0'))
                    .arg(i);
    return utf16Le(text);
}

// Starts the save loop with `arguments`, waits for its first save, kills it after a random
// pause, and checks each time that `file` holds exactly one of the two contents. Returns how
// often each one was found.
std::pair<int, int> killRepeatedly(const QStringList& arguments,
                                   const QProcessEnvironment& environment, const QString& file,
                                   const QByteArray& before, const QByteArray& after) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pauseUs(0, 4000);
    std::pair<int, int> seen;
    for (int i = 0; i < kKills; ++i) {
        QProcess loop;
        loop.setProcessEnvironment(environment);
        loop.start(QStringLiteral(KW_SAVE_LOOP), arguments);
        EXPECT_TRUE(loop.waitForReadyRead(5000)) << loop.readAllStandardError().toStdString();
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
        loop.kill();
        loop.waitForFinished(5000);
        EXPECT_EQ(loop.exitStatus(), QProcess::CrashExit)
            << "the loop ended by itself: " << loop.readAllStandardError().toStdString();

        const QByteArray content = kwtest::TempDir::read(file);
        if (content == before)
            ++seen.first;
        else if (content == after)
            ++seen.second;
        else
            ADD_FAILURE() << "kill " << i << " left " << content.size() << " bytes";
        if (::testing::Test::HasFailure())
            break;
    }
    return seen;
}

} // namespace

TEST(KillDuringSave, SubtitleFileIsOldOrNew) {
    kwtest::TempDir dir(fastFolder());
    const QByteArray a = lesson(QStringLiteral("A"));
    const QByteArray b = lesson(QStringLiteral("B"));
    const QString file = dir.write("lesson.lrc", a);
    const auto [sawA, sawB] =
        killRepeatedly({"lrc", file}, QProcessEnvironment::systemEnvironment(), file, a, b);
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}

TEST(KillDuringSave, SettingsFileIsOldOrNew) {
    kwtest::TempDir config(fastFolder());
    kwtest::ScopedEnv configHome("XDG_CONFIG_HOME", config.path("").toUtf8());
    const kw::MessageSink failOnMessage = [](const QString& text) {
        ADD_FAILURE() << text.toStdString();
    };
    kw::Settings settings;
    settings.w_text = 1500;
    kw::saveSettings(settings, failOnMessage);
    const QByteArray wide = kwtest::TempDir::read(kw::settingsFilePath());
    kw::saveSettings(kw::Settings{}, failOnMessage);
    const QByteArray narrow = kwtest::TempDir::read(kw::settingsFilePath());
    ASSERT_NE(wide, narrow);

    const auto [sawNarrow, sawWide] =
        killRepeatedly({"settings"}, QProcessEnvironment::systemEnvironment(),
                       kw::settingsFilePath(), narrow, wide);
    EXPECT_GT(sawNarrow, 0);
    EXPECT_GT(sawWide, 0);
}
