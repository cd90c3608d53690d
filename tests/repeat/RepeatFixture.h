#pragma once

#include "FakeRepeatView.h"
#include "playback/Player.h"
#include "playback/sim/SimMedia.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "repeat/SentenceNavigator.h"
#include "subtitle/LineTable.h"

#include <gtest/gtest.h>
#include <vector>

namespace kwtest {

// A loaded file on the simulated player with a virtual clock, driven poll by poll.
class RepeatFixture : public ::testing::Test {
protected:
    static constexpr auto kPath = "/lesson.mp3";

    // Lines starting at these times (multiples of 10 ms), a file of `lengthMs`; stopped on
    // line 0, as opening a file leaves it before it plays.
    void load(const std::vector<int>& startsMs, std::int64_t lengthMs);
    // `count` lines one second apart in a file that ends one second after the last.
    void loadEvenly(int count) {
        std::vector<int> starts;
        for (int i = 0; i < count; ++i)
            starts.push_back(1000 * i);
        load(starts, 1000 * count);
    }

    // playPause, noting the line heard when playing starts.
    void playPause() {
        controller.playPause();
        noteHearing();
    }
    // Plays on for `ms`, polling as the timers would: every 10 ms, and at an armed boundary
    // wake-up. After every poll the line at the position is noted in `heard` whenever it
    // changes or playback jumped back.
    void playFor(std::int64_t ms);
    std::int64_t positionMs() const { return state.player->positionMs(); }
    std::vector<std::int64_t> seeksMs() const { return media.lastPlayback().seeksMs(); }

    kw::sim::SimMedia media;
    FakeRepeatView view;
    kw::AppState state;
    kw::RepeatController controller{state, view};
    kw::SentenceNavigator navigator{state, controller};
    std::vector<int> heard;

private:
    void noteHearing();
    std::int64_t lastPositionMs_ = -1;
};

} // namespace kwtest
