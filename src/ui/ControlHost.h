#pragma once

// What the control panel reads and writes in the application state, and what it asks of the
// player and the repeat controller.
#include <cstdint>

namespace kw {

class LineTable;

namespace ui {

class ControlHost {
public:
    virtual ~ControlHost() = default;

    // The open file's lines; null while no file is loaded (bLoaded 0).
    virtual LineTable* lineTable() = 0;

    virtual int lrcMode() const = 0;
    virtual void setLrcMode(int mode) = 0;
    // Hundredths of a decibel, -10000..0; kept while muted.
    virtual int volume() const = 0;
    virtual void setVolume(int level) = 0;
    virtual bool muted() const = 0;
    virtual void setMuted(bool muted) = 0;
    virtual bool fileLoop() const = 0;
    virtual void setFileLoop(bool loop) = 0;
    // 0..9, 0 endless.
    virtual int totalCount() const = 0;
    virtual void setTotalCount(int count) = 0;
    // The open file's subtitle offset, -2000..2000 ms.
    virtual int offsetMs() const = 0;
    virtual void setOffsetMs(int ms) = 0;
    virtual int curLine() const = 0;
    // Makes `line` current without seeking: curLine = line, repeatDone = 1.
    virtual void setCurLine(int line) = 0;

    // Player::setVolume and Player::positionMs; only called while a file is loaded.
    virtual void setPlayerVolume(int level) = 0;
    virtual std::int64_t playerPositionMs() const = 0;
    // The repeat controller's refreshStatus (display, list pointer, status bar).
    virtual void refreshStatus() = 0;
    // Opens the product's web page in the browser (the banner picture was clicked).
    virtual void openProductPage() = 0;
};

} // namespace ui
} // namespace kw
