#pragma once

#include "FixedText.h"

#include <cstdint>

namespace kw {

// Status bar texts as they are written while playing: the time text holds 64 characters.
using TimeText = FixedText<64>;
using StatusText = FixedText<256>;

// "hh:mm:ss / hh:mm:ss" of position and length; a negative time shows as 00:00:00 and hours
// take as many digits as they need.
void formatTimeText(TimeText& out, std::int64_t positionMs, std::int64_t lengthMs);

// "s / count" of the sentence counter.
void formatSentenceCounter(StatusText& out, int sentence, int sentenceCount);

} // namespace kw
