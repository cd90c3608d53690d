#pragma once

#include <QString>
#include <cstdint>

namespace kw {

// The split dialog's entries as read from the form: unsigned numbers, 0 for text that is not one.
struct SplitEntries {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t perPiece = 0;
    std::uint32_t firstNumber = 0;
};

// What to cut: sentences start..end (1-based, inclusive) in pieces of perPiece sentences, the
// first piece numbered firstNumber, into folder.
struct SplitSettings {
    int start = 1;
    int end = 1;
    int perPiece = 1;
    int firstNumber = 0;
    bool frameMode = true;
    QString folder;
    bool operator==(const SplitSettings&) const = default;
};

// Clamps the entries to sentences 1..sentenceCount (sentenceCount >= 1): start and end into
// range, end not below start, perPiece at least 1 and at most sentenceCount, a firstNumber that
// does not fit an int becomes 0.
SplitSettings clampEntries(const SplitEntries& entries, int sentenceCount);

} // namespace kw
