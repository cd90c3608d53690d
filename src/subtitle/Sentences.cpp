#include "Sentences.h"

#include "LineTable.h"

#include <algorithm>

namespace kw {

int Grouping::sentenceOfLine(int line, bool* isHead) const {
    int sentence = line + 1;
    bool head = true;
    if (lrcMode == kPairsFromFirst) {
        sentence = (line + 2) / 2;
        head = line % 2 == 0;
    } else if (lrcMode == kPairsFromSecond) {
        sentence = line == 0 ? 1 : (line + 1) / 2 + 1;
        head = line == 0 || line % 2 == 1;
    }
    if (isHead)
        *isHead = head;
    return sentence;
}

LineRange Grouping::linesOfSentence(int sentence) const {
    const int lastLine = lineCount - 1;
    if (lrcMode == kPairsFromFirst)
        return {2 * sentence - 2, std::min(2 * sentence - 1, lastLine)};
    if (lrcMode == kPairsFromSecond) {
        if (sentence == 1)
            return {0, 0};
        return {2 * sentence - 3, std::min(2 * sentence - 2, lastLine)};
    }
    return {sentence - 1, sentence - 1};
}

int Grouping::sentenceCount() const {
    if (lrcMode == kPairsFromFirst)
        return (lineCount + 1) / 2;
    if (lrcMode == kPairsFromSecond)
        return lineCount / 2 + 1;
    return lineCount;
}

std::int64_t lineEndMs(const LineTable& table, int line, std::int64_t mediaLengthMs) {
    if (line >= table.count() - 1)
        return mediaLengthMs;
    return table.line(line + 1).startMs;
}

QString sentenceText(const LineTable& table, const Grouping& grouping, int sentence) {
    const LineRange range = grouping.linesOfSentence(sentence);
    QString text = table.line(range.first).text;
    if (range.last != range.first)
        text += QStringLiteral("\r\n") + table.line(range.last).text;
    return text;
}

} // namespace kw
