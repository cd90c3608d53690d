#include "StateSettings.h"

#include "repeat/AppState.h"

namespace kw {

void applySettings(const Settings& s, AppState& state) {
    state.bMute = s.bMute != 0;
    state.volume = s.volume;
    state.bFileLoopPlay = s.bFileLoopPlay != 0;
    state.lrcMode = s.lrcMode;
    state.totalCount = s.totalCount;
    state.fs = s.fs;
    state.w_msx = s.w_msx;
    state.w_pointer = s.w_pointer;
    state.w_senno = s.w_senno;
    state.w_text = s.w_text;
    state.follow.follow_bAutoPlay = s.follow_bAutoPlay != 0;
    state.follow.follow_aDevId = s.follow_aDevId;
    state.follow.follow_destFile = s.follow_destFile;
    state.channel = 0;
}

Settings settingsOf(const AppState& state) {
    Settings s;
    s.bMute = state.bMute ? 1 : 0;
    s.volume = state.volume;
    s.bFileLoopPlay = state.bFileLoopPlay ? 1 : 0;
    s.lrcMode = state.lrcMode;
    s.totalCount = state.totalCount;
    s.fs = state.fs;
    s.w_msx = state.w_msx;
    s.w_pointer = state.w_pointer;
    s.w_senno = state.w_senno;
    s.w_text = state.w_text;
    s.follow_bAutoPlay = state.follow.follow_bAutoPlay ? 1 : 0;
    s.follow_aDevId = state.follow.follow_aDevId;
    s.follow_destFile = state.follow.follow_destFile;
    return s;
}

} // namespace kw
