#include "SentenceNavigator.h"

#include "playback/Player.h"
#include "repeat/AppState.h"
#include "repeat/LineSteps.h"
#include "repeat/RepeatController.h"
#include "subtitle/LineTable.h"

namespace kw {

SentenceNavigator::SentenceNavigator(AppState& state, RepeatController& controller)
    : state_(state), controller_(controller) {}

void SentenceNavigator::prevSentence() {
    step(-1);
}
void SentenceNavigator::nextSentence() {
    step(1);
}
void SentenceNavigator::upFive() {
    step(-5);
}
void SentenceNavigator::downFive() {
    step(5);
}

void SentenceNavigator::step(int sentences) {
    if (!state_.bLoaded)
        return;
    moveTo(steppedLine(state_.curLine, sentences, state_.lineTable->count(), state_.lrcMode));
}

void SentenceNavigator::repeatCurrent() {
    if (state_.bLoaded)
        jumpToLine(state_.curLine);
}

void SentenceNavigator::firstSentence() {
    if (state_.bLoaded)
        jumpToLine(0);
}

void SentenceNavigator::lastSentence() {
    if (!state_.bLoaded)
        return;
    jumpToLine(state_.lineTable->count() - 1);
    repeatCurrent();
}

void SentenceNavigator::jumpToLine(int line) {
    if (!state_.bLoaded || line < 0 || line >= state_.lineTable->count())
        return;
    moveTo(headLineOf(line, state_.lrcMode));
}

void SentenceNavigator::moveTo(int line) {
    state_.curLine = line;
    state_.repeatDone = 1;
    state_.player->seekMs(state_.lineTable->line(line).startMs);
    controller_.refreshStatus();
}

} // namespace kw
