#include "AppPanelHost.h"

#include "playback/Player.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "repeat/RepeatView.h"
#include "repeat/SentenceNavigator.h"
#include "subtitle/LineTable.h"

#include <QDesktopServices>

namespace kw::ui {

AppPanelHost::AppPanelHost(AppState& state, RepeatController& controller,
                           SentenceNavigator& navigator, RepeatView& view, QUrl productPage)
    : state_(state), controller_(controller), navigator_(navigator), view_(view),
      productPage_(std::move(productPage)) {}

LineTable* AppPanelHost::lineTable() {
    return state_.bLoaded ? state_.lineTable.get() : nullptr;
}

int AppPanelHost::lrcMode() const {
    return state_.lrcMode;
}
int AppPanelHost::curLine() const {
    return state_.curLine;
}
PlayState AppPanelHost::playState() const {
    return state_.playState;
}
void AppPanelHost::playPause() {
    controller_.playPause();
}
void AppPanelHost::jumpToLine(int line) {
    navigator_.jumpToLine(line);
}
void AppPanelHost::refreshDisplay() {
    view_.refresh();
}

void AppPanelHost::setLrcMode(int mode) {
    state_.lrcMode = mode;
}
int AppPanelHost::volume() const {
    return state_.volume;
}
void AppPanelHost::setVolume(int level) {
    state_.volume = level;
}
bool AppPanelHost::muted() const {
    return state_.bMute;
}
void AppPanelHost::setMuted(bool muted) {
    state_.bMute = muted;
}
bool AppPanelHost::fileLoop() const {
    return state_.bFileLoopPlay;
}
void AppPanelHost::setFileLoop(bool loop) {
    state_.bFileLoopPlay = loop;
}
int AppPanelHost::totalCount() const {
    return state_.totalCount;
}
void AppPanelHost::setTotalCount(int count) {
    state_.totalCount = count;
}
int AppPanelHost::offsetMs() const {
    return state_.offsetMs;
}
void AppPanelHost::setOffsetMs(int ms) {
    state_.offsetMs = ms;
}

void AppPanelHost::setCurLine(int line) {
    state_.curLine = line;
    state_.repeatDone = 1;
}

void AppPanelHost::setPlayerVolume(int level) {
    if (state_.player)
        state_.player->setVolume(level);
}

std::int64_t AppPanelHost::playerPositionMs() const {
    return state_.player ? state_.player->positionMs() : 0;
}

void AppPanelHost::refreshStatus() {
    controller_.refreshStatus();
}
void AppPanelHost::openProductPage() {
    QDesktopServices::openUrl(productPage_);
}

} // namespace kw::ui
