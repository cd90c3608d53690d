#pragma once

// What the subtitle list and its line dialogs read and call in the application.
#include "repeat/RepeatView.h"

namespace kw {

class LineTable;

namespace ui {

class ListHost {
public:
    virtual ~ListHost() = default;

    // The open file's lines; null while no file is loaded (bLoaded 0).
    virtual LineTable* lineTable() = 0;
    virtual int lrcMode() const = 0;
    virtual int curLine() const = 0;
    virtual PlayState playState() const = 0;

    virtual void playPause() = 0;
    virtual void jumpToLine(int line) = 0;
    // The display panel's `refresh`: redraw the current sentence's text.
    virtual void refreshDisplay() = 0;
};

} // namespace ui
} // namespace kw
