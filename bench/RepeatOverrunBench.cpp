// How much of the next sentence a listener hears before a repeat takes playback back to the
// sentence's start. A lesson of short lines alternating between two tones plays with count 2
// through the real player and the repeat controller into the null sink. In the monitor
// recording every repeat shows as two hearings of one tone, with the overrun between them: a
// short stretch of the other tone. Prints the 50th and 95th percentile and the maximum.
//
// Needs the test sound server: scripts/with-sound.sh build/bench/bench_repeat_overrun [rounds]
#include "FakeRepeatView.h"
#include "RunEvents.h"
#include "SoundFiles.h"
#include "playback/Player.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "subtitle/LineTable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kwtest;

namespace {

constexpr int kLines = 41;
constexpr int kToneHz[2] = {800, 3000};
// One label per millisecond-long hop, judged over a window of two hops.
constexpr int kHop = kRate / 1000;
constexpr int kWindow = 2 * kHop;
constexpr double kAudible = 0.02;
// A stretch of one tone this long is a hearing of a line, not an overrun.
constexpr int kHearingHops = 200;

enum Label { kQuiet = -1, kToneA = 0, kToneB = 1 };

struct Run {
    Label label;
    int hops;
};

// Lines of 250 to 400 ms, so that the boundaries fall at every phase of the poll.
int lineMs(int line) {
    return 250 + 10 * (7 * line % 16);
}

int lessonMs() {
    int ms = 0;
    for (int line = 0; line < kLines; ++line)
        ms += lineMs(line);
    return ms;
}

// The lesson's line starts as LRC records.
QByteArray lessonLrc() {
    QByteArray lrc;
    for (int line = 0, ms = 0; line < kLines; ms += lineMs(line++)) {
        lrc += QString("[%1:%2.%3]line %4\n")
                   .arg(ms / 60000, 2, 10, QChar('0'))
                   .arg(ms / 1000 % 60, 2, 10, QChar('0'))
                   .arg(ms % 1000 / 10, 2, 10, QChar('0'))
                   .arg(line + 1)
                   .toLatin1();
    }
    return lrc;
}

std::vector<Segment> lessonSound() {
    std::vector<Segment> segments;
    for (int line = 0; line < kLines; ++line)
        segments.push_back({kToneHz[line % 2], lineMs(line)});
    return segments;
}

Label labelAt(const std::vector<float>& sound, std::size_t at) {
    const double a = tonePower(sound, at, kWindow, kToneHz[0], kRate);
    const double b = tonePower(sound, at, kWindow, kToneHz[1], kRate);
    if (a > kAudible && a > 4 * b)
        return kToneA;
    if (b > kAudible && b > 4 * a)
        return kToneB;
    return kQuiet;
}

std::vector<Run> runsOf(const std::vector<float>& sound) {
    std::vector<Run> runs;
    for (std::size_t at = 0; at + kWindow <= sound.size(); at += kHop) {
        const Label label = labelAt(sound, at);
        if (!runs.empty() && runs.back().label == label)
            ++runs.back().hops;
        else
            runs.push_back({label, 1});
    }
    return runs;
}

double hopsToMs(int hops) {
    return hops * double(kHop) * 1000 / kRate;
}

struct Measures {
    std::vector<double> overrunMs;
    std::vector<double> silenceMs;
};

// Between two hearings of the same tone: the other tone heard, and the silence.
Measures measure(const std::vector<Run>& runs) {
    Measures measures;
    const Run* hearing = nullptr;
    int other = 0;
    int quiet = 0;
    for (const Run& run : runs) {
        if (run.label != kQuiet && run.hops >= kHearingHops) {
            if (hearing && hearing->label == run.label) {
                measures.overrunMs.push_back(hopsToMs(other));
                measures.silenceMs.push_back(hopsToMs(quiet));
            }
            hearing = &run;
            other = quiet = 0;
        } else if (run.label == kQuiet) {
            quiet += run.hops;
        } else if (hearing && run.label != hearing->label) {
            other += run.hops;
        }
    }
    return measures;
}

// One pass through the lesson; the repeat of the last line, at the end of the media, has no
// next sentence to overrun into and is left out.
bool playOnce(const QString& mp3, Measures& all) {
    FakeRepeatView view;
    kw::AppState state;
    kw::RepeatController controller(state, view);
    state.lineTable = std::make_unique<kw::LineTable>();
    if (state.lineTable->loadBytes(lessonLrc()) != kw::LineTable::Loaded)
        return false;
    state.player = std::make_unique<kw::Player>(kw::gst::newPlaybackPipeline());
    if (kw::openWithEitherParser(*state.player, mp3, &controller, kw::Parser::Preferred) !=
        kw::result::kOk)
        return false;
    state.bLoaded = true;
    state.totalCount = 2;
    state.bFileLoopPlay = false;

    MonitorRecording recording;
    runEventsFor(300);
    controller.playPause();
    const bool finished =
        runEventsUntil([&] { return state.playState == kw::kStopped; }, lessonMs() * 2 + 10'000);
    runEventsFor(300);
    Measures measures = measure(runsOf(recording.stop().left));
    if (!finished || measures.overrunMs.size() != kLines) {
        std::fprintf(stderr, "round lost: %s, heard %zu of %d repeats\n",
                     finished ? "played to the end" : "did not finish", measures.overrunMs.size(),
                     kLines);
        return false;
    }
    all.overrunMs.insert(all.overrunMs.end(), measures.overrunMs.begin(),
                         measures.overrunMs.end() - 1);
    all.silenceMs.insert(all.silenceMs.end(), measures.silenceMs.begin(),
                         measures.silenceMs.end() - 1);
    return true;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(p / 100 * double(values.size() - 1) + 0.5);
    return values[index];
}

void report(const char* what, const std::vector<double>& values) {
    std::printf("%-36s p50 %5.1f ms   p95 %5.1f ms   max %5.1f ms\n", what, percentile(values, 50),
                percentile(values, 95), *std::max_element(values.begin(), values.end()));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString(argv[1]).toInt()) : 3;
    QTemporaryDir dir;
    const QString mp3 = encodeMp3(dir.path(), "overrun", lessonSound(), Mp3Kind::Cbr);
    if (mp3.isEmpty()) {
        std::fprintf(stderr, "lame could not make the lesson\n");
        return 1;
    }
    // A round disturbed by a stalled stream or by a pipeline restart after a clock leap says
    // nothing about repeat timing and is left out (it is reported on stderr).
    Measures all;
    for (int round = 0; round < rounds; ++round)
        playOnce(mp3, all);
    if (all.overrunMs.empty())
        return 1;
    std::printf("%zu repeats of sentences 250 to 400 ms long\n", all.overrunMs.size());
    report("next sentence heard before repeat", all.overrunMs);
    report("silence before the repeat", all.silenceMs);
    return 0;
}
