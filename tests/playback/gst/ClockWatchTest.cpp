#include "playback/gst/ClockWatch.h"

#include <gtest/gtest.h>

using kw::gst::ClockWatch;

namespace {

constexpr std::uint64_t kMs = 1'000'000;

struct Step {
    const char* what;
    std::uint64_t wallMs;
    std::uint64_t clockNs;
    bool leapt;
};

} // namespace

// Samples 100 ms apart, as the playing pipeline takes them.
TEST(ClockWatch, OnlyALeapFarAheadOfRealTimeCounts) {
    const Step steps[] = {
        {"in step with real time", 100, 100 * kMs, false},
        {"standing still (stalled stream)", 200, 100 * kMs, false},
        {"catching up after the stall", 300, 300 * kMs, false},
        {"a late sample: a second of real time", 1300, 1300 * kMs, false},
        {"ahead by less than the tolerance", 1400, 2300 * kMs, false},
        {"an absurd time from the sound server", 1500, 0xAB6E'0000'0000'0000, true},
        {"standing at that time afterwards", 1600, 0xAB6E'0000'0000'0000, false},
    };
    ClockWatch watch;
    watch.start(0, 0);
    for (const Step& step : steps)
        EXPECT_EQ(watch.leapt(step.wallMs * kMs, step.clockNs), step.leapt) << step.what;
}

TEST(ClockWatch, ARestartedWatchComparesWithItsNewStart) {
    ClockWatch watch;
    watch.start(0, 0);
    watch.start(5000 * kMs, 9000 * kMs);
    EXPECT_FALSE(watch.leapt(5100 * kMs, 9100 * kMs));
    EXPECT_TRUE(watch.leapt(5200 * kMs, 20'000 * kMs));
}
