#include "RepeatController.h"

#include "repeat/AppState.h"
#include "repeat/LineSteps.h"
#include "subtitle/LineTable.h"
#include "subtitle/Sentences.h"
#include "texts/RepeatTexts.h"

namespace kw {

namespace {

QString withDetail(QStringView pattern, ResultCode code) {
    return pattern.toString().replace(QStringLiteral("%s"), resultText(code));
}

} // namespace

RepeatController::RepeatController(AppState& state, RepeatView& view, QObject* parent)
    : QObject(parent), state_(state), view_(view) {
    pollTimer_.setTimerType(Qt::PreciseTimer);
    pollTimer_.setInterval(kPollMs);
    connect(&pollTimer_, &QTimer::timeout, this, &RepeatController::tick);
    connect(&boundaryWake_, &PreciseWake::woke, this, &RepeatController::tick);
}

void RepeatController::playPause() {
    if (!state_.bLoaded)
        return;
    view_.hideToolTip();
    Player& player = *state_.player;
    switch (state_.playState) {
    case kStopped:
        player.seekMs(state_.lineTable->line(state_.curLine).startMs);
        if (!runSucceeded(player.run()))
            return;
        state_.repeatDone = 1;
        break;
    case kPaused:
        if (!runSucceeded(player.run()))
            return;
        break;
    case kPlaying:
        player.pause();
        stopTimers();
        state_.playState = kPaused;
        view_.refresh();
        setPlayImage(false);
        updateToolbar();
        view_.setStatusText(RepeatView::kStateText, text::kStatusPaused);
        return;
    }
    pollTimer_.start();
    state_.playState = kPlaying;
    view_.refresh();
    view_.posRefresh();
    setPlayImage(true);
    updateToolbar();
    view_.setStatusText(RepeatView::kStateText, text::kStatusPlaying);
    armBoundaryWake();
}

bool RepeatController::runSucceeded(ResultCode code) {
    if (!failed(code))
        return true;
    view_.showError(withDetail(text::kRunFailed, code));
    return false;
}

void RepeatController::stop() {
    if (!state_.bLoaded || state_.playState == kStopped)
        return;
    view_.hideToolTip();
    state_.player->stop();
    stopTimers();
    const bool wasPlaying = state_.playState == kPlaying;
    state_.playState = kStopped;
    state_.curLine = 0;
    state_.repeatDone = 0;
    if (wasPlaying)
        setPlayImage(false);
    updateToolbar();
    view_.setStatusText(RepeatView::kStateText, text::kStatusStopped);
    refreshStatus();
}

void RepeatController::tick() {
    if (state_.playState != kPlaying)
        return;
    boundaryWake_.disarm();
    const Player& player = *state_.player;
    const int line = state_.curLine;
    if (player.atEnd()) {
        if (!repeatsAtEnd()) {
            // The material is done: stop, and start over when the file loops.
            stop();
            if (state_.bFileLoopPlay)
                playPause();
            return;
        }
        repeatSentence();
    } else if (line < state_.lineTable->count() - 1 &&
               player.positionMs() >= state_.lineTable->line(line + 1).startMs) {
        crossedBoundary();
    }
    writeTimeText();
    armBoundaryWake();
}

bool RepeatController::repeatsAtEnd() const {
    return state_.totalCount == 0 || state_.repeatDone < state_.totalCount;
}

void RepeatController::crossedBoundary() {
    const int line = state_.curLine;
    if (!endsSentence(line, state_.lineTable->count(), state_.lrcMode)) {
        // The second line of the pair plays on.
        state_.curLine = line + 1;
        refreshStatus();
    } else if (repeatsAtEnd()) {
        repeatSentence();
    } else {
        // Heard often enough: flow on into the next sentence without a seek.
        state_.curLine = line + 1;
        state_.repeatDone = 1;
        refreshStatus();
    }
}

void RepeatController::repeatSentence() {
    ++state_.repeatDone;
    state_.curLine = headLineOf(state_.curLine, state_.lrcMode);
    state_.player->seekMs(state_.lineTable->line(state_.curLine).startMs);
    if (state_.lrcMode != kOneLine)
        refreshStatus();
}

void RepeatController::refreshStatus() {
    if (!state_.bLoaded)
        return;
    view_.refresh();
    view_.posRefresh();
    const Grouping grouping{state_.lrcMode, state_.lineTable->count()};
    formatSentenceCounter(counterText_, grouping.sentenceOfLine(state_.curLine),
                          grouping.sentenceCount());
    view_.setStatusText(RepeatView::kSentenceCounter, counterText_.view());
    formatTimeText(timeText_, state_.player->positionMs(), state_.player->durationMs());
    showTimeText();
}

void RepeatController::writeTimeText() {
    formatTimeText(timeText_, state_.player->positionMs(), state_.player->durationMs());
    if (timeText_.view() != shownTimeText_.view())
        showTimeText();
}

void RepeatController::showTimeText() {
    shownTimeText_ = timeText_;
    view_.setStatusText(RepeatView::kTimeText, timeText_.view());
}

void RepeatController::onGraphNotify(Player&) {
    onGraphEvent();
}

void RepeatController::onGraphEvent() {
    if (!state_.bLoaded)
        return;
    GraphEvent event;
    while (state_.player->takeEvent(event)) {
        if (event.code == kEventErrorAbort && state_.playState == kPlaying) {
            stop();
            view_.showError(withDetail(text::kPlaybackAborted, event.param));
            return;
        }
    }
}

void RepeatController::updateToolbar() {
    view_.setToolbarState(toolbarState(state_.bLoaded, state_.playState));
}

void RepeatController::setPlayImage(bool playing) {
    view_.setPlayImage(playing);
}

void RepeatController::armBoundaryWake() {
    const int next = state_.curLine + 1;
    if (state_.playState != kPlaying || next >= state_.lineTable->count())
        return;
    const std::int64_t untilNext =
        state_.lineTable->line(next).startMs - state_.player->positionMs();
    if (untilNext > 0 && untilNext <= kPollMs)
        boundaryWake_.arm(int(untilNext));
}

void RepeatController::stopTimers() {
    pollTimer_.stop();
    boundaryWake_.disarm();
}

} // namespace kw
