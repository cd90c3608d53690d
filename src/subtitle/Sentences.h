#pragma once

#include <QString>
#include <cstdint>

namespace kw {

class LineTable;

// How lines form sentences: 0 every line alone; 1 pairs headed by even indices; 2 line 0 alone,
// then pairs headed by odd indices.
enum LrcMode { kOneLine = 0, kPairsFromFirst = 1, kPairsFromSecond = 2 };

struct LineRange {
    int first = 0;
    int last = 0;
    bool operator==(const LineRange&) const = default;
};

// Sentence arithmetic over `lineCount` lines in grouping mode `lrcMode`. Sentence numbers are
// 1-based, line indices 0-based; callers pass numbers from 1 to sentenceCount() and indices
// below lineCount.
struct Grouping {
    int lrcMode = kOneLine;
    int lineCount = 0;

    int sentenceOfLine(int line, bool* isHead = nullptr) const;
    LineRange linesOfSentence(int sentence) const;
    int sentenceCount() const;
};

// End of a line: the next line's start, or the media length for the last line.
std::int64_t lineEndMs(const LineTable& table, int line, std::int64_t mediaLengthMs);

// The first line's text, then CR LF and the second line's text for a two-line sentence.
QString sentenceText(const LineTable& table, const Grouping& grouping, int sentence);

} // namespace kw
