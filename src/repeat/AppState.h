#pragma once

#include "repeat/RepeatView.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace kw {

class LineTable;
class Player;

// The follow-read settings kept between runs.
struct FollowSettings {
    int follow_aDevId = 0;
    bool follow_bAutoPlay = true;
    QString follow_destFile;
};

// The one application state of the main window, read and written directly on the window thread.
// Settings fields start at their defaults; the application copies the loaded settings in.
struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    QString mp3Path;
    // The MP3 path with its last three characters replaced by "lrc".
    QString lrcPath;
    // A file is loaded: the line table and the player exist.
    bool bLoaded = false;
    // Not kStopped only while bLoaded.
    PlayState playState = kStopped;
    bool bMute = false;
    // Hundredths of a decibel, -10000..0.
    int volume = -500;
    bool bFileLoopPlay = true;
    // Sentence grouping: 0 one line each, 1 pairs from line 0, 2 line 0 alone then pairs.
    int lrcMode = 0;
    // Plays per sentence, 0..9; 0 repeats without end.
    int totalCount = 3;
    // Display font size: 0 small, 1 medium, 2 large.
    int fs = 0;
    int w_msx = 105;
    int w_pointer = 60;
    int w_senno = 65;
    int w_text = 1000;
    // How many times the current sentence has been started: 1 on entering it, 0 after a stop.
    int repeatDone = 0;
    // 0 stereo, 1 left, 2 right.
    int channel = 0;
    // Index of the line being heard; 0..count - 1 while bLoaded.
    int curLine = 0;
    // Subtitle offset of the loaded file in milliseconds.
    int offsetMs = 0;
    // Digest of the loaded MP3, the key of its offset record.
    QByteArray mp3Digest = QByteArray(16, '\0');
    // Both exist while bLoaded.
    std::unique_ptr<Player> player;
    std::unique_ptr<LineTable> lineTable;
    bool bTopMost = false;
    FollowSettings follow;
};

} // namespace kw
