#include "LineSteps.h"

#include "subtitle/Sentences.h"

#include <algorithm>

namespace kw {

namespace {

bool isOdd(int line) {
    return line % 2 != 0;
}

} // namespace

int headLineOf(int line, int lrcMode) {
    if (lrcMode == kPairsFromFirst && isOdd(line))
        return line - 1;
    if (lrcMode == kPairsFromSecond && line != 0 && !isOdd(line))
        return line - 1;
    return line;
}

bool endsSentence(int line, int lineCount, int lrcMode) {
    if (line >= lineCount - 1)
        return true;
    if (lrcMode == kPairsFromFirst)
        return isOdd(line);
    if (lrcMode == kPairsFromSecond)
        return !isOdd(line);
    return true;
}

int steppedLine(int line, int sentences, int lineCount, int lrcMode) {
    int target = line + sentences;
    if (lrcMode != kOneLine) {
        const int head = headLineOf(line, lrcMode);
        // Line 0 stands alone in mode 2, so the pairs after it are one line closer.
        const bool leavesLoneFirst = lrcMode == kPairsFromSecond && head == 0 && sentences > 0;
        target = head + 2 * sentences - (leavesLoneFirst ? 1 : 0);
    }
    return std::clamp(target, 0, std::max(lineCount - 1, 0));
}

} // namespace kw
