#pragma once

#include "playback/Player.h"
#include "repeat/PreciseWake.h"
#include "repeat/RepeatView.h"
#include "repeat/StatusTexts.h"

#include <QObject>
#include <QTimer>
#include <cstdint>

namespace kw {

struct AppState;

// Plays the current sentence, counts its hearings and repeats it, flows on to the next one,
// and stops (or starts over) at the end of the material. Window thread only.
//
// It is the graph-notify target of the main player: pass it to Player::open. The view is told
// about every change of position and state.
class RepeatController : public QObject, public GraphNotifyTarget {
    Q_OBJECT
public:
    // Period of the playback poll while playing.
    static constexpr int kPollMs = 10;

    RepeatController(AppState& state, RepeatView& view, QObject* parent = nullptr);

    // Stopped: start the current line's sentence; paused: resume; playing: pause.
    void playPause();
    // Stops the player and returns to the first line.
    void stop();
    // One poll of the playing player: repeat, advance, stop, or nothing; then the time text.
    void tick();
    // Display panel, list pointer, sentence counter and time text.
    void refreshStatus();
    // Drains the player's events; an error abort while playing stops with a message.
    void onGraphEvent();
    void updateToolbar();
    void setPlayImage(bool playing);

    // The 10 ms poll runs exactly while playing.
    bool isPolling() const { return pollTimer_.isActive(); }
    // A wake-up armed at the next line's start, between two polls; 0 when none is armed.
    int boundaryWakeMs() const { return boundaryWake_.armedMs(); }

private:
    void onGraphNotify(Player& player) override;

    // False after showing the run-failure message for a failed run.
    bool runSucceeded(ResultCode code);
    // Whether the current sentence is heard again rather than left behind.
    bool repeatsAtEnd() const;
    void crossedBoundary();
    void repeatSentence();
    // On every poll the time text reaches the view only when it changed.
    void writeTimeText();
    void showTimeText();
    void armBoundaryWake();
    void stopTimers();

    AppState& state_;
    RepeatView& view_;
    QTimer pollTimer_;
    // Wakes the poll at the moment the next line starts, when that falls between two polls,
    // so that a repeat seek is not up to a whole poll late.
    PreciseWake boundaryWake_;
    TimeText timeText_;
    TimeText shownTimeText_;
    StatusText counterText_;
};

} // namespace kw
