#pragma once

namespace kw {

// Line arithmetic of sentence playback and navigation, on 0-based line indices of a table of
// `lineCount` lines grouped by `lrcMode` (0 single lines, 1 pairs from line 0, 2 line 0 alone
// and then pairs from line 1).

// The first line of the sentence holding `line`.
int headLineOf(int line, int lrcMode);

// Whether `line` is the last line of its sentence; the table's last line always is.
bool endsSentence(int line, int lineCount, int lrcMode);

// The head line `sentences` sentences before (negative) or after `line`, counted from either
// line of a pair, clamped to the table.
int steppedLine(int line, int sentences, int lineCount, int lrcMode);

} // namespace kw
