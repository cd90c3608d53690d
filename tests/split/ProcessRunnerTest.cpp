#include "split/ProcessRunner.h"

#include "TempDir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using kw::ProcessRunner;
using State = kw::ToolRunner::State;

namespace {

State stateWhenEnded(const ProcessRunner& runner) {
    QDeadlineTimer deadline(5000);
    while (runner.state() == State::Running && !deadline.hasExpired())
        QTest::qWait(5);
    return runner.state();
}

} // namespace

TEST(ProcessRunner, ReportsHowTheToolEnded) {
    const struct {
        const char* script;
        State state;
    } cases[] = {
        {"exit 0", State::Succeeded}, {"exit 1", State::Failed}, {"kill -9 $$", State::Failed}};
    ProcessRunner runner;
    for (const auto& c : cases) {
        ASSERT_TRUE(runner.start("sh", {"-c", c.script})) << c.script;
        EXPECT_EQ(stateWhenEnded(runner), c.state) << c.script;
        runner.release();
        EXPECT_EQ(runner.state(), State::Idle);
    }
}

TEST(ProcessRunner, ArgumentsArriveAsGiven) {
    kwtest::TempDir dir;
    const QStringList arguments{"/tmp/课文 one/it's \"a\" lesson.mp3", "-d", "$HOME", "a;b|c"};
    ProcessRunner runner;
    ASSERT_TRUE(runner.start(
        "sh", QStringList{"-c", "printf '%s\\n' \"$@\" > \"$0\"", dir.path("args")} + arguments));
    EXPECT_EQ(stateWhenEnded(runner), State::Succeeded);
    EXPECT_EQ(QString::fromUtf8(kwtest::TempDir::read(dir.path("args"))),
              arguments.join('\n') + '\n');
}

TEST(ProcessRunner, MissingProgramIsNotStarted) {
    ProcessRunner runner;
    EXPECT_FALSE(runner.start("/nonexistent/mp3splt", {}));
    EXPECT_EQ(runner.state(), State::Idle);
}

TEST(ProcessRunner, ReleasedToolFinishesItsWork) {
    kwtest::TempDir dir;
    const QString done = dir.path("done");
    {
        ProcessRunner runner;
        ASSERT_TRUE(runner.start("sh", {"-c", "sleep 0.3; echo > \"$0\"", done}));
        runner.release();
        EXPECT_EQ(runner.state(), State::Idle);
    }
    QDeadlineTimer deadline(5000);
    while (!QFile::exists(done) && !deadline.hasExpired())
        QTest::qWait(10);
    EXPECT_TRUE(QFile::exists(done));
}
