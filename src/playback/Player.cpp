#include "playback/Player.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kw {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

} // namespace

double gainForLevel(std::int32_t level) {
    if (level <= kVolumeSilent)
        return 0.0;
    return std::pow(10.0, level / 2000.0);
}

Player::Player(std::unique_ptr<PlaybackPipeline> pipeline) : pipeline_(std::move(pipeline)) {}

Player::~Player() {
    close();
}

ResultCode Player::open(const QString& path, GraphNotifyTarget* target, Parser parser) {
    close();
    target_ = target;
    const ResultCode code = pipeline_->build(path, parser, *this);
    if (failed(code))
        return code;
    built_ = true;
    parser_ = parser;
    return result::kOk;
}

void Player::close() {
    if (!built_)
        return;
    pipeline_->teardown();
    events_.clear();
    built_ = false;
}

ResultCode Player::run() {
    return built_ ? pipeline_->run() : result::kUnexpected;
}

ResultCode Player::pause() {
    return built_ ? pipeline_->pause() : result::kUnexpected;
}

ResultCode Player::stop() {
    return built_ ? pipeline_->stop() : result::kUnexpected;
}

void Player::seekMs(std::int32_t ms) {
    if (!built_)
        return;
    // Clamped to the exact length, not its whole milliseconds: a seek to the end is at the end.
    const std::int64_t target = ms < 0 ? 0 : std::int64_t(ms) * kNsPerMs;
    pipeline_->seek(std::min(target, pipeline_->lengthNs()));
}

std::int64_t Player::positionMs() const {
    return built_ ? pipeline_->positionNs() / kNsPerMs : 0;
}

std::int64_t Player::durationMs() const {
    return built_ ? pipeline_->lengthNs() / kNsPerMs : 0;
}

bool Player::atEnd() const {
    if (!built_)
        return false;
    return pipeline_->endOfStream() || pipeline_->positionNs() >= pipeline_->lengthNs();
}

ResultCode Player::setVolume(std::int32_t level) {
    if (!built_)
        return result::kUnexpected;
    if (level < kVolumeSilent || level > kVolumeFull)
        return result::kInvalidArg;
    return pipeline_->setGain(gainForLevel(level));
}

void Player::setChannel(int mode) {
    if (!built_)
        return;
    double panorama = 0.0;
    if (mode == kChannelLeft)
        panorama = -1.0;
    else if (mode == kChannelRight)
        panorama = 1.0;
    pipeline_->setPanorama(panorama);
}

bool Player::takeEvent(GraphEvent& event) {
    if (events_.empty())
        return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

void Player::pipelineError(ResultCode code) {
    if (!built_)
        return;
    events_.push_back({kEventErrorAbort, code});
    if (target_ != nullptr)
        target_->onGraphNotify(*this);
}

ResultCode openWithEitherParser(Player& player, const QString& path, GraphNotifyTarget* target,
                                Parser first) {
    const ResultCode code = player.open(path, target, first);
    if (!failed(code))
        return code;
    return player.open(path, target, otherParser(first));
}

} // namespace kw
