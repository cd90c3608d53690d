#pragma once

namespace kw {

struct AppState;
class RepeatController;

// The commands that move through the material. Each picks a new current line, makes it the
// first hearing of its sentence, seeks there and refreshes the status; none changes the play
// state, so while playing the new sentence is heard at once and otherwise the next play starts
// from it. Without a loaded file they do nothing.
class SentenceNavigator {
public:
    SentenceNavigator(AppState& state, RepeatController& controller);

    void prevSentence();
    void nextSentence();
    void upFive();
    void downFive();
    // Back to the head of the current sentence.
    void repeatCurrent();
    void firstSentence();
    void lastSentence();
    // The head of the sentence holding `line`; an index outside the table is ignored.
    void jumpToLine(int line);

private:
    void step(int sentences);
    void moveTo(int line);

    AppState& state_;
    RepeatController& controller_;
};

} // namespace kw
