#include "LessonTable.h"
#include "TempDir.h"
#include "split/ProcessRunner.h"
#include "split/SplitJob.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <mpg123.h>

namespace {

// One MPEG-1 layer III frame at 44.1 kHz: the finest step the tool cuts at. A piece may run up
// to two frames longer than its span: the tool keeps the frames its first frame draws on (bit
// reservoir) and the end padding, which the delay tag it writes covers only in part.
constexpr double kFrameMs = 1152 * 1000.0 / 44100;
constexpr double kToleranceMs = 2 * kFrameMs;

void run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForFinished(20000)) << program.toStdString();
    ASSERT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
}

// Length of an MP3 as a player hears it: encoder delay and padding left out.
double mp3LengthMs(const QString& path) {
    int error = MPG123_OK;
    mpg123_handle* handle = mpg123_new(nullptr, &error);
    if (!handle)
        return -1;
    double ms = -1;
    if (mpg123_open(handle, QFile::encodeName(path).constData()) == MPG123_OK &&
        mpg123_scan(handle) == MPG123_OK) {
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        mpg123_getformat(handle, &rate, &channels, &encoding);
        ms = rate > 0 ? mpg123_length(handle) * 1000.0 / rate : -1;
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return ms;
}

} // namespace

TEST(SplitRun, RealToolCutsALessonIntoPiecesWithTheirSubtitles) {
    kwtest::TempDir dir;
    const QString folder = dir.path("课文 lesson");
    const QString out = folder + "/片段 out";
    ASSERT_TRUE(QDir().mkpath(out));
    const QString wav = folder + "/tone.wav";
    const QString mp3 = folder + "/it's a lesson.mp3";
    // 5.5 s: the last piece runs from 4.09 s to the end of the file.
    run("sox", {"-n", "-r", "44100", "-c", "1", wav, "synth", "5.5", "sine", "440"});
    run("lame", {"--quiet", "--cbr", "-b", "64", wav, mp3});
    const double fileMs = mp3LengthMs(mp3);

    // Hundredths below ten: written with one digit, every cut would land far off.
    const kw::LineTable table = kwtest::lessonTable({0, 1050, 2030, 3070, 4090});
    kw::SplitSettings settings;
    settings.start = 1;
    settings.end = 5;
    settings.perPiece = 2;
    settings.folder = out;
    kw::ProcessRunner runner;
    const QString tool = QStandardPaths::findExecutable("mp3splt");
    ASSERT_FALSE(tool.isEmpty());
    kw::SplitJob job(table, kw::SplitPlan(table, kw::kOneLine, settings, mp3), tool, runner);
    QElapsedTimer clock;
    clock.start();
    while (job.tick() != kw::SplitJob::Step::Finished && clock.elapsed() < 20000)
        QTest::qWait(10);
    ASSERT_TRUE(job.finished());
    EXPECT_TRUE(job.failedPieces().isEmpty());

    const struct {
        const char* name;
        double startMs, endMs;
        QStringList texts;
    } pieces[] = {{"it's a lesson_0000", 0, 2030, {"line 0", "line 1"}},
                  {"it's a lesson_0001", 2030, 4090, {"line 2", "line 3"}},
                  {"it's a lesson_0002", 4090, fileMs, {"line 4"}}};
    for (const auto& piece : pieces) {
        SCOPED_TRACE(piece.name);
        const QString base = out + "/" + piece.name;
        EXPECT_NEAR(mp3LengthMs(base + ".mp3"), piece.endMs - piece.startMs, kToleranceMs);
        kw::LineTable written;
        ASSERT_EQ(written.load(base + ".lrc"), kw::LineTable::Loaded);
        ASSERT_EQ(written.count(), int(piece.texts.size()));
        EXPECT_EQ(written.line(0).startMs, 0);
        for (int i = 0; i < written.count(); ++i)
            EXPECT_EQ(written.line(i).text, piece.texts[i]);
    }
}
