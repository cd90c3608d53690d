#include "split/SplitJob.h"

#include "FakeTool.h"
#include "LessonTable.h"
#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

using kw::SplitJob;
using Step = kw::SplitJob::Step;
using State = kw::ToolRunner::State;

namespace {

class SplitJobTest : public testing::Test {
protected:
    SplitJobTest() {
        table = kwtest::lessonTable({1000, 2000, 3000, 4000, 5000});
        settings.start = 1;
        settings.end = 5;
        settings.perPiece = 2;
        settings.folder = dir.path("pieces");
        QDir().mkpath(settings.folder);
    }

    SplitJob makeJob() {
        return SplitJob(table, kw::SplitPlan(table, kw::kOneLine, settings, "/m/lesson.mp3"),
                        "/opt/tool/mp3splt", *runner);
    }
    QString lrc(int number) const {
        return dir.path(QStringLiteral("pieces/lesson_%1.lrc").arg(number, 4, 10, QChar('0')));
    }

    kwtest::TempDir dir;
    kw::LineTable table;
    kw::SplitSettings settings;
    kwtest::FakeTool tool;
    std::unique_ptr<kw::ToolRunner> runner = tool.makeRunner();
};

} // namespace

TEST_F(SplitJobTest, CutsOnePieceAtATimeInOrder) {
    tool.outcome = [](int) {
        return State::Running;
    };
    SplitJob job = makeJob();
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(testing::Message() << "piece " << k);
        EXPECT_EQ(job.tick(), Step::Started);
        EXPECT_EQ(job.piece(), k);
        EXPECT_EQ(tool.runs.size(), std::size_t(k));
        // The .lrc is there while the tool still cuts the MP3.
        EXPECT_TRUE(QFile::exists(lrc(k - 1)));
        EXPECT_EQ(job.tick(), Step::Waiting);
        EXPECT_EQ(job.tick(), Step::Waiting);
        tool.current = State::Succeeded;
        EXPECT_EQ(job.tick(), k < 3 ? Step::PieceDone : Step::Finished);
    }
    EXPECT_TRUE(job.finished());
    EXPECT_EQ(job.tick(), Step::Finished);
    EXPECT_EQ(tool.runs.size(), 3u);
    EXPECT_EQ(tool.program, QStringLiteral("/opt/tool/mp3splt"));
    EXPECT_EQ(tool.runs[2], QStringList({"/m/lesson.mp3", "0.5.00", "EOF", "-d", settings.folder,
                                         "-o", "lesson_0002", "-f"}));
    EXPECT_TRUE(job.failedPieces().isEmpty());
}

TEST_F(SplitJobTest, EachPieceSubtitleStartsAtZeroWithItsLines) {
    SplitJob job = makeJob();
    while (job.tick() != Step::Finished) {
    }
    const struct {
        int number;
        QStringList texts;
        std::vector<std::int32_t> starts;
    } pieces[] = {{0, {"line 0", "line 1"}, {0, 1000}},
                  {1, {"line 2", "line 3"}, {0, 1000}},
                  {2, {"line 4"}, {0}}};
    for (const auto& piece : pieces) {
        kw::LineTable written;
        ASSERT_EQ(written.load(lrc(piece.number)), kw::LineTable::Loaded) << piece.number;
        ASSERT_EQ(written.count(), int(piece.texts.size()));
        for (int i = 0; i < written.count(); ++i) {
            EXPECT_EQ(written.line(i).text, piece.texts[i]);
            EXPECT_EQ(written.line(i).startMs, piece.starts[std::size_t(i)]);
        }
    }
}

TEST_F(SplitJobTest, ToolThatWillNotStartIsTriedAgainWithoutWritingItsSubtitle) {
    tool.refusedStarts = 2;
    SplitJob job = makeJob();
    EXPECT_EQ(job.tick(), Step::StartFailed);
    EXPECT_EQ(job.tick(), Step::StartFailed);
    EXPECT_FALSE(QFile::exists(lrc(0)));
    EXPECT_EQ(job.piece(), 1);
    EXPECT_EQ(job.tick(), Step::Started);
    EXPECT_EQ(job.piece(), 1);
    EXPECT_TRUE(QFile::exists(lrc(0)));
}

TEST_F(SplitJobTest, FailedPiecesAreNamedAndTheRestStillCut) {
    tool.outcome = [](int run) {
        return run == 2 ? State::Failed : State::Succeeded;
    };
    // Piece 3's .lrc cannot be written: a folder stands in its place.
    QDir().mkpath(lrc(2));
    SplitJob job = makeJob();
    while (job.tick() != Step::Finished) {
    }
    EXPECT_EQ(tool.runs.size(), 3u);
    EXPECT_EQ(job.failedPieces(), QStringList({"lesson_0001", "lesson_0002"}));
}

TEST_F(SplitJobTest, AbortLetsTheRunningPieceFinishAndStartsNoMore) {
    tool.outcome = [](int) {
        return State::Running;
    };
    SplitJob job = makeJob();
    EXPECT_EQ(job.tick(), Step::Started);
    job.abort();
    EXPECT_EQ(tool.releasedWhileRunning, 1);
    EXPECT_TRUE(job.finished());
    EXPECT_EQ(job.tick(), Step::Finished);
    EXPECT_EQ(tool.runs.size(), 1u);
}
