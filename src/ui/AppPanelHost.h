#pragma once

// The panels' hosts over the real application: the application state, the repeat controller,
// the navigation commands and the main window's RepeatView (for the display panel's refresh).
// The main window owns one and passes it to both the subtitle list and the control panel.

#include "ui/ControlHost.h"
#include "ui/ListHost.h"

#include <QUrl>

namespace kw {

struct AppState;
class RepeatController;
class RepeatView;
class SentenceNavigator;

namespace ui {

class AppPanelHost final : public ListHost, public ControlHost {
public:
    AppPanelHost(AppState& state, RepeatController& controller, SentenceNavigator& navigator,
                 RepeatView& view, QUrl productPage);

    LineTable* lineTable() override;
    int lrcMode() const override;
    int curLine() const override;
    PlayState playState() const override;
    void playPause() override;
    void jumpToLine(int line) override;
    void refreshDisplay() override;

    void setLrcMode(int mode) override;
    int volume() const override;
    void setVolume(int level) override;
    bool muted() const override;
    void setMuted(bool muted) override;
    bool fileLoop() const override;
    void setFileLoop(bool loop) override;
    int totalCount() const override;
    void setTotalCount(int count) override;
    int offsetMs() const override;
    void setOffsetMs(int ms) override;
    void setCurLine(int line) override;
    void setPlayerVolume(int level) override;
    std::int64_t playerPositionMs() const override;
    void refreshStatus() override;
    void openProductPage() override;

private:
    AppState& state_;
    RepeatController& controller_;
    SentenceNavigator& navigator_;
    RepeatView& view_;
    QUrl productPage_;
};

} // namespace ui
} // namespace kw
