#include "StatusTexts.h"

#include "texts/RepeatTexts.h"

namespace kw {

namespace {

void formatClock(TimeText& out, std::int64_t ms) {
    const std::int64_t t = ms < 0 ? 0 : ms;
    const std::int64_t seconds = t / 1000;
    out.format(text::kClockTime, {t / 3600000, seconds % 3600 / 60, seconds % 60});
}

} // namespace

void formatTimeText(TimeText& out, std::int64_t positionMs, std::int64_t lengthMs) {
    TimeText position;
    TimeText length;
    formatClock(position, positionMs);
    formatClock(length, lengthMs);
    out.format(text::kTimeText, {position.view(), length.view()});
}

void formatSentenceCounter(StatusText& out, int sentence, int sentenceCount) {
    out.format(text::kSentenceCounter, {sentence, sentenceCount});
}

} // namespace kw
