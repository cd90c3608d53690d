#include "SplitSettings.h"

#include <algorithm>
#include <limits>

namespace kw {

namespace {

int clampToSentences(std::uint32_t value, int sentenceCount) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 1, sentenceCount));
}

} // namespace

SplitSettings clampEntries(const SplitEntries& entries, int sentenceCount) {
    SplitSettings settings;
    settings.start = clampToSentences(entries.start, sentenceCount);
    settings.end = std::max(clampToSentences(entries.end, sentenceCount), settings.start);
    settings.perPiece = clampToSentences(entries.perPiece, sentenceCount);
    settings.firstNumber = entries.firstNumber > std::numeric_limits<int>::max()
                               ? 0
                               : static_cast<int>(entries.firstNumber);
    return settings;
}

} // namespace kw
