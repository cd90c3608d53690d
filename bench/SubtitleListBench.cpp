// Filling the subtitle list with a 3,000-line lesson and drawing its first page, and moving the
// current sentence (pointer, highlight, scrolling) as playback does several times a second.
#include "subtitle/LineTable.h"
#include "subtitle/Sentences.h"
#include "ui/ListHost.h"
#include "ui/SubtitleListPanel.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 3000;

struct LessonHost : kw::ui::ListHost {
    kw::LineTable table;
    int current = 0;
    kw::LineTable* lineTable() override { return &table; }
    int lrcMode() const override { return kw::kPairsFromFirst; }
    int curLine() const override { return current; }
    kw::PlayState playState() const override { return kw::kPlaying; }
    void playPause() override {}
    void jumpToLine(int) override {}
    void refreshDisplay() override {}
};

void loadLesson(kw::LineTable& table) {
    QString lrc;
    for (int i = 0; i < kLines; ++i)
        lrc += QString::asprintf("[%02d:%02d.00]Line %d of a long lesson, read sentence by "
                                 "sentence.\n",
                                 i / 60, i % 60, i);
    table.loadBytes(lrc.toUtf8());
}

void fillAndDraw(benchmark::State& state) {
    LessonHost host;
    loadLesson(host.table);
    kw::ui::SubtitleListPanel panel(host, {}, [] {});
    panel.resize(1000, 600);
    panel.show();
    for (auto _ : state) {
        panel.fill();
        panel.posRefresh();
        benchmark::DoNotOptimize(panel.grab());
        panel.clear();
    }
}
BENCHMARK(fillAndDraw)->Unit(benchmark::kMillisecond);

void followPlayback(benchmark::State& state) {
    LessonHost host;
    loadLesson(host.table);
    kw::ui::SubtitleListPanel panel(host, {}, [] {});
    panel.resize(1000, 600);
    panel.show();
    panel.fill();
    for (auto _ : state) {
        host.current = (host.current + 1) % kLines;
        panel.posRefresh();
        QApplication::processEvents();
    }
}
BENCHMARK(followPlayback)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
