#include "SplitJob.h"

#include "subtitle/LineTable.h"

namespace kw {

SplitJob::SplitJob(const LineTable& table, SplitPlan plan, QString toolPath, ToolRunner& runner)
    : table_(table), plan_(std::move(plan)), toolPath_(std::move(toolPath)), runner_(runner),
      pieceCount_(plan.pieceCount()) {}

SplitJob::Step SplitJob::tick() {
    if (finished_)
        return Step::Finished;
    switch (runner_.state()) {
    case ToolRunner::State::Idle:
        return startPiece();
    case ToolRunner::State::Running:
        return Step::Waiting;
    case ToolRunner::State::Succeeded:
        return pieceEnded(true);
    case ToolRunner::State::Failed:
        return pieceEnded(false);
    }
    return Step::Waiting;
}

void SplitJob::abort() {
    runner_.release();
    finished_ = true;
}

SplitJob::Step SplitJob::startPiece() {
    const SplitPiece piece = plan_.piece(piece_);
    if (!runner_.start(toolPath_, plan_.toolArguments(piece)))
        return Step::StartFailed;
    subtitleFailed_ =
        table_.writePiece(piece.lines.first, piece.lines.last, piece.subtitlePath) != 0;
    return Step::Started;
}

SplitJob::Step SplitJob::pieceEnded(bool succeeded) {
    if (!succeeded || subtitleFailed_)
        failed_ << plan_.piece(piece_).name;
    runner_.release();
    if (piece_ >= pieceCount_) {
        finished_ = true;
        return Step::Finished;
    }
    ++piece_;
    return Step::PieceDone;
}

} // namespace kw
