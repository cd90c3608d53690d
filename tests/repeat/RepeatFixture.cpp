#include "RepeatFixture.h"

#include "subtitle/TimeText.h"

#include <algorithm>

namespace kwtest {

void RepeatFixture::load(const std::vector<int>& startsMs, std::int64_t lengthMs) {
    QString lrc;
    for (std::size_t i = 0; i < startsMs.size(); ++i)
        lrc += QStringLiteral("[%1]line %2\n").arg(kw::formatTime(startsMs[i])).arg(i);
    state.lineTable = std::make_unique<kw::LineTable>();
    ASSERT_EQ(state.lineTable->loadBytes(lrc.toUtf8()), kw::LineTable::Loaded);
    ASSERT_EQ(state.lineTable->count(), int(startsMs.size()));
    media.addFile(kPath, lengthMs);
    state.player = std::make_unique<kw::Player>(media.newPlaybackPipeline());
    ASSERT_EQ(state.player->open(kPath, &controller, kw::Parser::Preferred), kw::result::kOk);
    state.bLoaded = true;
    state.playState = kw::kStopped;
    state.curLine = 0;
}

void RepeatFixture::playFor(std::int64_t ms) {
    for (std::int64_t left = ms; left > 0;) {
        const int wake = controller.boundaryWakeMs();
        const std::int64_t step = std::min<std::int64_t>(
            {left, wake > 0 ? wake : kw::RepeatController::kPollMs, kw::RepeatController::kPollMs});
        media.advanceMs(step);
        left -= step;
        controller.tick();
        noteHearing();
    }
}

void RepeatFixture::noteHearing() {
    if (state.playState != kw::kPlaying)
        return;
    const std::int64_t position = positionMs();
    const int line = state.lineTable->lineAt(position);
    if (heard.empty() || line != heard.back() || position < lastPositionMs_)
        heard.push_back(line);
    lastPositionMs_ = position;
}

} // namespace kwtest
