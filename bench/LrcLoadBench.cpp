// Loading a largest accepted subtitle file (204,799 bytes of bilingual LRC) in each encoding.
#include "subtitle/LineTable.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// As many whole bilingual lines as fit in the bytes a load reads, in the given encoding.
QByteArray bilingualLesson(const char* encoding, const QByteArray& mark) {
    QStringEncoder encoder(encoding);
    QByteArray bytes = mark + QByteArray(encoder.encode(u"[ti:Lesson]\r\n[ar:Kelpwhistle]\r\n"));
    for (int i = 0;; ++i) {
        const int ms = i * 2370;
        const QString time =
            QString::asprintf("[%02d:%02d.%02d]", ms / 60000, ms % 60000 / 1000, ms % 1000 / 10);
        const QByteArray pair = encoder.encode(
            time +
            QStringLiteral("The quick brown fox jumps over the lazy dog, number %1.\r\n").arg(i) +
            time + QStringLiteral("敏捷的棕色狐狸跳过了懒狗，第%1号。\r\n").arg(i));
        if (bytes.size() + pair.size() > kw::LineTable::kMaxFileBytes)
            return bytes;
        bytes += pair;
    }
}

void loadLesson(benchmark::State& state, const char* encoding, const QByteArray& mark) {
    const QByteArray bytes = bilingualLesson(encoding, mark);
    QTemporaryDir dir;
    const QString path = dir.filePath("lesson.lrc");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the lesson");
        return;
    }
    file.close();
    for (auto _ : state) {
        kw::LineTable table;
        if (table.load(path) != kw::LineTable::Loaded)
            state.SkipWithError("lesson did not load");
        benchmark::DoNotOptimize(table.count());
    }
    state.counters["bytes"] = double(bytes.size());
}

// The fuzz target's worst case: a mebibyte of random tag characters, dense with "[" and
// digits (only the first 204,799 bytes are read).
void loadRandomMebibyte(benchmark::State& state) {
    static constexpr char kAlphabet[] = "[[[]]0123456789::..\r\nabc ";
    QByteArray bytes(1024 * 1024, Qt::Uninitialized);
    std::uint32_t x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = kAlphabet[x % (sizeof(kAlphabet) - 1)];
    }
    for (auto _ : state) {
        kw::LineTable table;
        benchmark::DoNotOptimize(table.loadBytes(bytes));
    }
}

} // namespace

BENCHMARK(loadRandomMebibyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadLesson, utf16le, "UTF-16LE", QByteArray("\xFF\xFE", 2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadLesson, utf16be, "UTF-16BE", QByteArray("\xFE\xFF", 2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadLesson, utf8_signature, "UTF-8", QByteArray("\xEF\xBB\xBF"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadLesson, utf8, "UTF-8", QByteArray())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadLesson, gb18030, "GB18030", QByteArray())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
