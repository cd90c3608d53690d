#include "open/RepairDialog.h"

#include "TempDir.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A stand-in repair tool: records its arguments, waits, and exits with the given code.
QString fakeTool(const kwtest::TempDir& dir, double seconds, int exitCode) {
    const QString path = dir.path("fake-mp3val");
    dir.write("fake-mp3val",
              QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"%1\"\nsleep %2\nexit %3\n")
                  .arg(dir.path("args"))
                  .arg(seconds)
                  .arg(exitCode)
                  .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(RepairDialog, WaitsForTheToolWhateverItsExitCode) {
    kwtest::TempDir dir;
    const QString mp3 = dir.path("my lesson \"one\" -x.mp3");
    for (const int exitCode : {0, 3}) {
        QElapsedTimer clock;
        clock.start();
        kw::RepairDialog dialog(fakeTool(dir, 0.5, exitCode), {QStringLiteral("-f"), mp3});
        dialog.exec();
        EXPECT_GE(clock.elapsed(), 500);
        EXPECT_GE(dialog.ticks(), 3);
        // The path reaches the tool intact, as one argument.
        EXPECT_EQ(kwtest::TempDir::read(dir.path("args")), ("-f\n" + mp3 + "\n").toUtf8());
    }
}

TEST(RepairDialog, ShowsForOneTickWhenTheToolIsMissingOrQuick) {
    kwtest::TempDir dir;
    for (const QString& tool : {dir.path("no-such-tool"), fakeTool(dir, 0, 0)}) {
        QElapsedTimer clock;
        clock.start();
        kw::RepairDialog dialog(tool, {QStringLiteral("-f"), dir.path("a.mp3")});
        dialog.exec();
        EXPECT_EQ(dialog.ticks(), 1);
        EXPECT_GE(clock.elapsed(), 190);
    }
}

TEST(RepairDialog, CannotBeClosedWhileTheToolRuns) {
    kwtest::TempDir dir;
    kw::RepairDialog dialog(fakeTool(dir, 0.6, 0), {});
    QTimer::singleShot(100, &dialog, [&] {
        dialog.close();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QElapsedTimer clock;
    clock.start();
    dialog.exec();
    EXPECT_GE(clock.elapsed(), 600);
}
