#include "app/TerminationWatcher.h"

#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

TEST(TerminationWatcher, SigtermArrivesAsASignalOnTheEventLoop) {
    kw::TerminationWatcher watcher;
    QSignalSpy spy(&watcher, &kw::TerminationWatcher::terminationRequested);
    ASSERT_EQ(std::raise(SIGTERM), 0); // handled: the process goes on
    EXPECT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.size(), 1);
}
