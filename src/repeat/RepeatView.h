#pragma once

#include <QStringView>

namespace kw {

enum PlayState { kStopped = 0, kPaused = 1, kPlaying = 2 };

// Which toolbar buttons can be pressed. `navigation` covers previous, next, repeat current and
// follow-read compare; the open button is always enabled.
struct ToolbarState {
    bool playPause = false;
    bool stop = false;
    bool navigation = false;
    bool operator==(const ToolbarState&) const = default;
};

ToolbarState toolbarState(bool loaded, PlayState playState);

// What sentence playback needs of the main window. The window implements it with its status
// bar, toolbar, display panel, subtitle list and message boxes; tests implement it in memory.
class RepeatView {
public:
    enum StatusPart { kStateText = 0, kSentenceCounter = 1, kTimeText = 2 };

    virtual ~RepeatView() = default;

    // The time text comes from the 10 ms poll, but only when it has changed.
    virtual void setStatusText(StatusPart part, QStringView text) = 0;
    virtual void setToolbarState(const ToolbarState& state) = 0;
    // Shows the pause picture on the play button while playing, the play picture otherwise.
    virtual void setPlayImage(bool playing) = 0;
    virtual void hideToolTip() = 0;
    // `refresh` to the display panel: repaint the current sentence.
    virtual void refresh() = 0;
    // `posRefresh` to the subtitle list: move the pointer to the current sentence, keep it in
    // view.
    virtual void posRefresh() = 0;
    // An error message box with the application caption.
    virtual void showError(QStringView text) = 0;
};

} // namespace kw
