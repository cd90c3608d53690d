// Seek latency and landing of Player on CBR, VBR with Xing and VBR without Xing files, 20 s and
// 30 min long, and the cost of the 10 ms poll (positionMs + atEnd), with the allocations it
// makes on the calling thread. Needs a sound server: run it under the test PulseAudio
// (PULSE_SERVER=...), like the sound tests.
#include "playback/Player.h"
#include "playback/gst/GstPlaybackPipeline.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* memory, size_t size);
}

namespace {

thread_local bool tCounting = false;
thread_local long tAllocations = 0;

} // namespace

// Counts what the calling thread allocates while tCounting is set; GLib and GStreamer allocate
// through these too.
extern "C" void* malloc(size_t size) {
    if (tCounting)
        ++tAllocations;
    return __libc_malloc(size);
}
extern "C" void* calloc(size_t count, size_t size) {
    if (tCounting)
        ++tAllocations;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* memory, size_t size) {
    if (tCounting)
        ++tAllocations;
    return __libc_realloc(memory, size);
}

namespace {

enum Kind { kCbr, kVbr, kVbrNoXing };

// A file of `seconds` of a gliding tone (so VBR frames vary), encoded by lame.
QString lesson(Kind kind, int seconds) {
    static QTemporaryDir dir;
    static std::map<std::pair<int, int>, QString> made;
    auto& path = made[{kind, seconds}];
    if (!path.isEmpty())
        return path;
    path = dir.filePath(QString("k%1-%2.mp3").arg(kind).arg(seconds));
    const char* mode = kind == kCbr ? "--cbr -b 64" : kind == kVbr ? "-V 5" : "-V 5 -t";
    const QString command =
        QString("sox -n -r 22050 -c 1 -b 16 -e signed -t raw - synth %1 sine 200-2000 sine 300 "
                "| lame --quiet -r -s 22.05 -m m --bitwidth 16 %2 - '%3'")
            .arg(seconds)
            .arg(mode)
            .arg(path);
    QProcess::execute("sh", {"-c", command});
    return path;
}

void seek(benchmark::State& state) {
    const auto kind = static_cast<Kind>(state.range(0));
    const int seconds = static_cast<int>(state.range(1));
    kw::Player player(kw::gst::newPlaybackPipeline());
    if (player.open(lesson(kind, seconds), nullptr, kw::Parser::Preferred) != kw::result::kOk) {
        state.SkipWithError("cannot open (no sound server?)");
        return;
    }
    const auto length = static_cast<std::int32_t>(player.durationMs());
    std::int32_t target = 0;
    double worstMs = 0;
    for (auto _ : state) {
        target = (target + 7919 * 13) % (length - 1000);
        player.seekMs(target);
        worstMs = std::max(worstMs, double(std::abs(player.positionMs() - target)));
    }
    state.counters["landing_error_ms"] = worstMs;
}

// Opening includes the frame scan that gives the true length.
void open(benchmark::State& state) {
    const QString path = lesson(static_cast<Kind>(state.range(0)), 1800);
    for (auto _ : state) {
        kw::Player player(kw::gst::newPlaybackPipeline());
        if (player.open(path, nullptr, kw::Parser::Preferred) != kw::result::kOk) {
            state.SkipWithError("cannot open (no sound server?)");
            return;
        }
    }
}

void poll(benchmark::State& state) {
    kw::Player player(kw::gst::newPlaybackPipeline());
    if (player.open(lesson(kVbrNoXing, 20), nullptr, kw::Parser::Preferred) != kw::result::kOk) {
        state.SkipWithError("cannot open (no sound server?)");
        return;
    }
    player.run();
    long allocations = 0;
    for (auto _ : state) {
        tAllocations = 0;
        tCounting = true;
        benchmark::DoNotOptimize(player.positionMs());
        benchmark::DoNotOptimize(player.atEnd());
        tCounting = false;
        allocations += tAllocations;
    }
    player.stop();
    state.counters["allocations_per_poll"] =
        benchmark::Counter(double(allocations), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(seek)
    ->ArgNames({"kind", "seconds"})
    ->ArgsProduct({{kCbr, kVbr, kVbrNoXing}, {20, 1800}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK(open)->ArgName("kind")->DenseRange(kCbr, kVbrNoXing)->Unit(benchmark::kMillisecond);
BENCHMARK(poll)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
