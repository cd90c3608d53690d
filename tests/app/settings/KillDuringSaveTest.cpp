#include "ScopedEnv.h"
#include "TempDir.h"
#include "Utf16Bytes.h"
#include "app/settings/SettingsStore.h"

#include <QFileInfo>
#include <QProcess>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

using kwtest::utf16LeWithMark;

constexpr int kKills = 200;

// Files in memory when the machine has such a folder: a save then takes microseconds rather
// than the milliseconds of syncing to a disk, and the kills still land at every step of it.
QString fastFolder() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QString();
}

// A subtitle file large enough that a save takes a while, with `first` as line 0's text.
QByteArray lesson(const QString& first) {
    QString text = QStringLiteral("[ti:Kill test]\r\n[00:00.00]%1\r\n").arg(first);
    for (int i = 1; i < 600; ++i)
        text += QStringLiteral("[%1:%2.00]Sentence number %3 of the lesson, with some words.\r\n")
                    .arg(i / 60, 2, 10, QChar(u'0'))
                    .arg(i % 60, 2, 10, QChar(u'0'))
                    .arg(i);
    return utf16LeWithMark(text);
}

bool gone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Has the save loop fork a saving child, waits for its first save, kills it after a random
// pause, and checks each time that `file` holds exactly one of the two contents. Returns how
// often each one was found.
std::pair<int, int> killRepeatedly(const QStringList& arguments, const QString& file,
                                   const QByteArray& before, const QByteArray& after) {
    QProcess server;
    server.start(QStringLiteral(KW_SAVE_LOOP), arguments);
    EXPECT_TRUE(server.waitForStarted(5000));
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pauseUs(0, 3000);
    std::pair<int, int> seen;
    for (int i = 0; i < kKills && !::testing::Test::HasFailure(); ++i) {
        server.write("n");
        pid_t child = 0;
        bool saved = false;
        while (!saved && server.state() == QProcess::Running) {
            if (!server.canReadLine() && !server.waitForReadyRead(5000))
                break;
            while (server.canReadLine() && !saved) {
                const QByteArray line = server.readLine().trimmed();
                if (line.startsWith("pid "))
                    child = line.mid(4).toInt();
                else
                    saved = child != 0 && line == "saved";
            }
        }
        if (!saved) {
            ADD_FAILURE() << "no save: " << server.readAllStandardError().toStdString();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
        ::kill(child, SIGKILL);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!gone(child) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        if (!gone(child)) {
            ADD_FAILURE() << "the killed child still runs";
            break;
        }

        const QByteArray content = kwtest::TempDir::read(file);
        if (content == before)
            ++seen.first;
        else if (content == after)
            ++seen.second;
        else
            ADD_FAILURE() << "kill " << i << " left " << content.size() << " bytes";
    }
    server.closeWriteChannel();
    EXPECT_TRUE(server.waitForFinished(5000));
    return seen;
}

} // namespace

TEST(KillDuringSave, SubtitleFileIsOldOrNew) {
    kwtest::TempDir dir(fastFolder());
    const QByteArray a = lesson(QStringLiteral("A"));
    const QByteArray b = lesson(QStringLiteral("B"));
    const QString file = dir.write("lesson.lrc", a);
    const auto [sawA, sawB] = killRepeatedly({"lrc", file}, file, a, b);
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
        killRepeatedly({"settings"}, kw::settingsFilePath(), narrow, wide);
    EXPECT_GT(sawNarrow, 0);
    EXPECT_GT(sawWide, 0);
}
