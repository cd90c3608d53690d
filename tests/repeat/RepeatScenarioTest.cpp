#include "RepeatFixture.h"

#include <QString>

using kwtest::RepeatFixture;

namespace {

// One run of sentence playback from the first line: what the listener hears, line by line,
// and where playback stands at the end.
struct Scenario {
    const char* name;
    int lrcMode;
    int totalCount;
    bool fileLoop;
    std::vector<int> startsMs;
    std::int64_t lengthMs;
    std::int64_t playMs;
    std::vector<int> heard;
    kw::PlayState finalState;
    int finalLine;
    int finalRepeatDone;
};

const Scenario kScenarios[] = {
    {"three hearings each, flowing on, then the end without looping",
     0,
     3,
     false,
     {0, 1000, 2000},
     3000,
     9500,
     {0, 0, 0, 1, 1, 1, 2, 2, 2},
     kw::kStopped,
     0,
     0},
    {"count 0 repeats the first line without end",
     0,
     0,
     false,
     {0, 1000, 2000},
     3000,
     5500,
     {0, 0, 0, 0, 0, 0},
     kw::kPlaying,
     0,
     6},
    {"count 1 in mode 1 plays both lines of every pair once",
     1,
     1,
     false,
     {0, 1000, 2000, 3000, 4000, 5000},
     6000,
     6500,
     {0, 1, 2, 3, 4, 5},
     kw::kStopped,
     0,
     0},
    {"count 2 in mode 1 goes back to the head after the second line",
     1,
     2,
     false,
     {0, 1000, 2000, 3000},
     4000,
     7500,
     {0, 1, 0, 1, 2, 3, 2, 3},
     kw::kPlaying,
     3,
     2},
    {"mode 1 with an odd count leaves the last line alone",
     1,
     2,
     false,
     {0, 1000, 2000},
     3000,
     6000,
     {0, 1, 0, 1, 2, 2},
     kw::kStopped,
     0,
     0},
    {"mode 2 plays line 0 alone, then pairs from line 1",
     2,
     2,
     false,
     {0, 1000, 2000, 3000, 4000},
     5000,
     9500,
     {0, 0, 1, 2, 1, 2, 3, 4, 3, 4},
     kw::kPlaying,
     4,
     2},
    {"the end of the material starts over when the file loops",
     0,
     1,
     true,
     {0, 1000, 2000},
     3000,
     7500,
     {0, 1, 2, 0, 1, 2, 0, 1},
     kw::kPlaying,
     1,
     1},
    {"media shorter than the subtitles never reaches the later lines",
     0,
     2,
     false,
     {0, 1000, 2000, 3000},
     2500,
     6000,
     {0, 0, 1, 1, 2, 2},
     kw::kStopped,
     0,
     0},
    {"media shorter than the subtitles starts over from the first line when looping",
     0,
     2,
     true,
     {0, 1000, 2000, 3000},
     2500,
     5500,
     {0, 0, 1, 1, 2, 2, 0},
     kw::kPlaying,
     0,
     1},
};

void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.name;
}

} // namespace

class RepeatScenarios : public RepeatFixture, public ::testing::WithParamInterface<Scenario> {};

TEST_P(RepeatScenarios, ListenerHearsEachSentenceAsOftenAsChosen) {
    const Scenario& s = GetParam();
    SCOPED_TRACE(s.name);
    state.lrcMode = s.lrcMode;
    state.totalCount = s.totalCount;
    state.bFileLoopPlay = s.fileLoop;
    load(s.startsMs, s.lengthMs);
    playPause();
    playFor(s.playMs);
    EXPECT_EQ(heard, s.heard);
    EXPECT_EQ(state.playState, s.finalState);
    EXPECT_EQ(state.curLine, s.finalLine);
    EXPECT_EQ(state.repeatDone, s.finalRepeatDone);
    EXPECT_EQ(controller.isPolling(), s.finalState == kw::kPlaying);
}

INSTANTIATE_TEST_SUITE_P(Table, RepeatScenarios, ::testing::ValuesIn(kScenarios));
