#include "repeat/PreciseWake.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

// Runs the event loop for up to `ms`; returns how many wake-ups arrived and when the first did.
struct Wakes {
    int count = 0;
    qint64 firstAtMs = -1;
};

Wakes runFor(kw::PreciseWake& wake, int ms) {
    Wakes wakes;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&wake, &kw::PreciseWake::woke, [&] {
        if (wakes.count++ == 0)
            wakes.firstAtMs = clock.elapsed();
    });
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return wakes;
}

} // namespace

TEST(PreciseWake, FiresOnceAfterItsDelay) {
    kw::PreciseWake wake;
    wake.arm(20);
    EXPECT_EQ(wake.armedMs(), 20);
    const Wakes wakes = runFor(wake, 100);
    EXPECT_EQ(wakes.count, 1);
    EXPECT_GE(wakes.firstAtMs, 19);
    EXPECT_EQ(wake.armedMs(), 0);
}

TEST(PreciseWake, DisarmedOrRearmedWakesComeOnlyAsLastArmed) {
    kw::PreciseWake wake;
    wake.arm(10);
    wake.disarm();
    EXPECT_EQ(wake.armedMs(), 0);
    EXPECT_EQ(runFor(wake, 40).count, 0);

    kw::PreciseWake rearmed;
    rearmed.arm(5);
    rearmed.arm(30);
    const Wakes wakes = runFor(rearmed, 80);
    EXPECT_EQ(wakes.count, 1);
    EXPECT_GE(wakes.firstAtMs, 29);
}
