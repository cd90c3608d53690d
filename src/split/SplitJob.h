#pragma once

#include "SplitPlan.h"
#include "ToolRunner.h"

#include <QString>
#include <QStringList>

namespace kw {

class LineTable;

// Cuts the pieces of a plan one after another, one tool process at a time, driven by tick().
// Each piece's .lrc is written right after its tool has started. Window-free, so the progress
// dialog only shows what it reports.
class SplitJob {
public:
    enum class Step {
        Started,     // piece() was started and its .lrc written
        StartFailed, // the tool could not be started; the next tick tries the same piece again
        Waiting,     // the tool is still cutting piece()
        PieceDone,   // piece() has ended; the next tick starts the next one
        Finished,    // every piece has ended (or the job was aborted)
    };

    SplitJob(const LineTable& table, SplitPlan plan, QString toolPath, ToolRunner& runner);

    Step tick();
    // Stops starting pieces; a piece being cut finishes in the background.
    void abort();

    int piece() const { return piece_; }
    int pieceCount() const { return pieceCount_; }
    bool finished() const { return finished_; }
    // Names of the pieces whose tool failed or whose .lrc could not be written.
    const QStringList& failedPieces() const { return failed_; }

private:
    Step startPiece();
    Step pieceEnded(bool succeeded);

    const LineTable& table_;
    SplitPlan plan_;
    QString toolPath_;
    ToolRunner& runner_;
    int pieceCount_;
    int piece_ = 1;
    bool finished_ = false;
    bool subtitleFailed_ = false;
    QStringList failed_;
};

} // namespace kw
