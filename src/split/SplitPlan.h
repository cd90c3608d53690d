#pragma once

#include "SplitSettings.h"
#include "subtitle/Sentences.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kw {

class LineTable;

// One piece to cut: its sentences and lines, the names of its files and the tool's times.
struct SplitPiece {
    int firstSentence = 0;
    int lastSentence = 0;
    LineRange lines;
    QString name;         // file name of the cut MP3, without ".mp3"
    QString subtitlePath; // the piece's .lrc in the destination folder
    QString startTime;    // tool time of the first line
    QString endTime;      // tool time of the line after the last, or "EOF"
};

// The tool's "M.S.H" time: minutes, seconds and hundredths. The tool reads H as a decimal
// fraction, so the hundredths always have two digits; negative times are 0.0.00.
QString toolTime(std::int32_t ms);

// "%s_%.4d" of the MP3's name without folder and extension and the number. The tool reads '+',
// '@' and '%' in an output name as its own placeholders, so those become '_' here: the cut MP3
// and its .lrc then carry the same name.
QString pieceName(const QString& mp3Path, std::int64_t number);

// The pieces of one split job over the table's sentences in grouping mode lrcMode. The table
// must outlive the plan; settings come clamped (clampEntries).
class SplitPlan {
public:
    SplitPlan(const LineTable& table, int lrcMode, const SplitSettings& settings, QString mp3Path);

    int pieceCount() const;
    // Piece k, 1-based.
    SplitPiece piece(int k) const;
    // The tool's argument list for piece k (the program itself not included).
    QStringList toolArguments(const SplitPiece& piece) const;
    // The destination folder without a trailing separator.
    const QString& folder() const { return folder_; }

private:
    const LineTable& table_;
    Grouping grouping_;
    SplitSettings settings_;
    QString mp3Path_;
    QString folder_;
};

} // namespace kw
