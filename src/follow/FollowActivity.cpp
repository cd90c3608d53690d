#include "FollowActivity.h"

#include "follow/RecordingDestination.h"
#include "repeat/AppState.h"
#include "subtitle/LineTable.h"
#include "subtitle/Sentences.h"
#include "texts/FollowTexts.h"

#include <QFile>

namespace kw {
namespace {

// The destination is replaced by every recording.
void deleteOldRecording(const QString& path) {
    makeWritable(path);
    QFile::remove(path);
}

} // namespace

FollowActivity::FollowActivity(AppState& state, const FollowServices& services,
                               std::unique_ptr<CaptureDevice> device, const QString& deviceName,
                               QObject* parent)
    : QObject(parent), app_(state), services_(services), device_(std::move(device)),
      deviceName_(deviceName) {
    pollTimer_.setTimerType(Qt::PreciseTimer);
    pollTimer_.setInterval(kPollMs);
    connect(&pollTimer_, &QTimer::timeout, this, &FollowActivity::followTick);
}

void FollowActivity::enter(State state) {
    state_ = state;
    if (state == kIdle)
        pollTimer_.stop();
    else
        pollTimer_.start();
    emit stateChanged(state);
}

void FollowActivity::stopActivity() {
    switch (state_) {
    case kIdle:
        return;
    case kPlayingReference:
        referencePlayer_->stop();
        break;
    case kPlayingRecording:
        recordingPlayer_->stop();
        recordingPlayer_.reset();
        break;
    case kRecording:
        recorder_->stop();
        break;
    }
    enter(kIdle);
}

bool FollowActivity::openReferencePlayer() {
    auto player = std::make_unique<Player>(services_.newPlaybackPipeline());
    const ResultCode code = openWithEitherParser(*player, app_.mp3Path, this, Parser::Splitter);
    if (failed(code)) {
        emit errorMessage(text::kPlayReferenceFailed.arg(resultText(code)));
        return false;
    }
    player->setChannel(app_.channel);
    player->setVolume(app_.volume);
    referencePlayer_ = std::move(player);
    return true;
}

void FollowActivity::playReference() {
    if (state_ == kRecording || !app_.bLoaded)
        return;
    stopActivity();
    if (!referencePlayer_ && !openReferencePlayer())
        return;
    const Grouping grouping{app_.lrcMode, app_.lineTable->count()};
    const LineRange lines = grouping.linesOfSentence(grouping.sentenceOfLine(app_.curLine));
    referencePlayer_->seekMs(app_.lineTable->line(lines.first).startMs);
    const ResultCode code = referencePlayer_->run();
    if (failed(code)) {
        emit errorMessage(text::kPlayReferenceFailed.arg(resultText(code)));
        return;
    }
    enter(kPlayingReference);
}

void FollowActivity::playRecording() {
    if (state_ == kRecording)
        return;
    stopActivity();
    auto player = std::make_unique<Player>(services_.newPlaybackPipeline());
    ResultCode code =
        openWithEitherParser(*player, app_.follow.follow_destFile, this, Parser::Preferred);
    if (!failed(code)) {
        player->setVolume(kVolumeFull);
        code = player->run();
    }
    if (failed(code)) {
        emit errorMessage(text::kPlayRecordingFailed.arg(resultText(code)));
        return;
    }
    recordingPlayer_ = std::move(player);
    enter(kPlayingRecording);
}

void FollowActivity::toggleRecording() {
    if (state_ == kRecording) {
        stopActivity();
        return;
    }
    stopActivity();
    const QString& destination = app_.follow.follow_destFile;
    if (destination.isEmpty()) {
        emit errorMessage(text::kNoDestination.toString());
        return;
    }
    if (!recorder_) {
        auto recorder = std::make_unique<Recorder>(services_.newRecordingPipeline());
        const ResultCode code = recorder->build(*device_, deviceName_, this);
        if (failed(code)) {
            emit errorMessage(text::kRecordingFailed.arg(resultText(code)));
            return;
        }
        recorder_ = std::move(recorder);
    }
    deleteOldRecording(destination);
    recorder_->setTarget(destination);
    const ResultCode code = recorder_->start();
    if (failed(code)) {
        emit errorMessage(text::kRecordingFailed.arg(resultText(code)));
        return;
    }
    recordingLocalPath_ = QFile::encodeName(destination);
    enter(kRecording);
}

bool FollowActivity::referenceAtSentenceEnd() const {
    if (!app_.bLoaded)
        return true;
    const Grouping grouping{app_.lrcMode, app_.lineTable->count()};
    const LineRange lines = grouping.linesOfSentence(grouping.sentenceOfLine(app_.curLine));
    const std::int64_t endMs = lineEndMs(*app_.lineTable, lines.last, app_.player->durationMs());
    return referencePlayer_->positionMs() >= endMs;
}

bool FollowActivity::recordingAtLimit() const {
    // A size that cannot be read does not end the recording.
    const std::optional<std::int64_t> size =
        services_.recordingSize(recordingLocalPath_.constData());
    return size && *size >= kRecordingLimitBytes;
}

void FollowActivity::followTick() {
    switch (state_) {
    case kIdle:
        break;
    case kPlayingReference:
        if (referencePlayer_->atEnd() || referenceAtSentenceEnd())
            stopActivity();
        break;
    case kPlayingRecording:
        if (recordingPlayer_->atEnd())
            stopActivity();
        break;
    case kRecording:
        if (recordingAtLimit())
            stopActivity();
        break;
    }
}

void FollowActivity::setCaptureDevice(std::unique_ptr<CaptureDevice> device,
                                      const QString& deviceName) {
    stopActivity();
    recorder_.reset();
    device_ = std::move(device);
    deviceName_ = deviceName;
}

// Graph events are handled from the event loop, as a posted message would be: the player or
// recorder that reports may be discarded while its events are handled.
void FollowActivity::onGraphNotify(Player&) {
    postGraphEvent();
}

void FollowActivity::onRecordingNotify(Recorder&) {
    postGraphEvent();
}

void FollowActivity::postGraphEvent() {
    QMetaObject::invokeMethod(this, &FollowActivity::onFollowGraphEvent, Qt::QueuedConnection);
}

bool FollowActivity::takeActiveEvent(GraphEvent& event) {
    switch (state_) {
    case kPlayingReference:
        return referencePlayer_->takeEvent(event);
    case kPlayingRecording:
        return recordingPlayer_->takeEvent(event);
    case kRecording:
        return recorder_->takeEvent(event);
    case kIdle:
        break;
    }
    return false;
}

void FollowActivity::onFollowGraphEvent() {
    GraphEvent event;
    while (state_ != kIdle && takeActiveEvent(event)) {
        if (event.code == kEventErrorAbort) {
            stopActivity();
            emit errorMessage(text::kFollowAborted.arg(resultText(event.param)));
        }
    }
}

} // namespace kw
