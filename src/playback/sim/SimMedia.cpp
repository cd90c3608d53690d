#include "playback/sim/SimMedia.h"

#include <QHash>
#include <algorithm>
#include <utility>

namespace kw::sim {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

struct Rejection {
    QString path;
    Parser parser;
    ResultCode code;
};

} // namespace

struct SimMedia::World {
    std::int64_t nowNs = 0;
    std::int64_t endShortfallNs = 0;
    ResultCode runResult = result::kOk;
    QHash<QString, std::int64_t> lengthsNs;
    std::vector<Rejection> rejections;
    std::vector<std::shared_ptr<SimPlayback>> playbacks;
    std::vector<class SimPipeline*> livePipelines;
};

namespace {

using World = SimMedia::World;
using State = SimPlayback::State;

} // namespace

class SimPipeline final : public PlaybackPipeline {
public:
    SimPipeline(std::shared_ptr<World> world, std::shared_ptr<SimPlayback> seen)
        : world_(std::move(world)), seen_(std::move(seen)) {
        world_->livePipelines.push_back(this);
    }
    ~SimPipeline() override {
        std::erase(world_->livePipelines, this);
        teardown();
    }

    ResultCode build(const QString& path, Parser parser, PipelineListener& listener) override {
        teardown();
        seen_->path = path;
        seen_->parser = parser;
        const auto length = world_->lengthsNs.constFind(path);
        if (length == world_->lengthsNs.cend())
            return result::kFileNotFound;
        for (const Rejection& r : world_->rejections) {
            if (r.path == path && r.parser == parser)
                return r.code;
        }
        listener_ = &listener;
        seen_->state = State::Paused;
        seen_->lengthNs = *length;
        seen_->positionNs = 0;
        seen_->endOfStream = false;
        ++seen_->builds;
        return result::kOk;
    }

    void teardown() override {
        seen_->state = State::Unbuilt;
        listener_ = nullptr;
    }

    ResultCode run() override {
        ++seen_->runs;
        if (failed(world_->runResult))
            return world_->runResult;
        seen_->state = State::Running;
        return result::kOk;
    }
    ResultCode pause() override {
        seen_->state = State::Paused;
        return result::kOk;
    }
    ResultCode stop() override {
        seen_->state = State::Stopped;
        return result::kOk;
    }
    void seek(std::int64_t ns) override {
        seen_->seeksNs.push_back(ns);
        seen_->positionNs = ns;
        seen_->endOfStream = false;
    }

    std::int64_t positionNs() const override { return seen_->positionNs; }
    bool endOfStream() const override { return seen_->endOfStream; }
    std::int64_t lengthNs() const override { return seen_->lengthNs; }

    ResultCode setGain(double gain) override {
        seen_->gain = gain;
        return result::kOk;
    }
    void setPanorama(double panorama) override { seen_->panorama = panorama; }

    void playOn(std::int64_t ns) {
        if (seen_->state != State::Running || seen_->endOfStream)
            return;
        const std::int64_t end =
            std::max<std::int64_t>(0, seen_->lengthNs - world_->endShortfallNs);
        seen_->positionNs = std::min(seen_->positionNs + ns, end);
        if (seen_->positionNs >= end)
            seen_->endOfStream = true;
    }

    void reportError(ResultCode code) {
        if (seen_->state == State::Running && listener_ != nullptr)
            listener_->pipelineError(code);
    }

private:
    std::shared_ptr<World> world_;
    std::shared_ptr<SimPlayback> seen_;
    PipelineListener* listener_ = nullptr;
};

std::vector<std::int64_t> SimPlayback::seeksMs() const {
    std::vector<std::int64_t> ms;
    ms.reserve(seeksNs.size());
    for (const std::int64_t ns : seeksNs)
        ms.push_back(ns / kNsPerMs);
    return ms;
}

SimMedia::SimMedia() : world_(std::make_shared<World>()) {}

SimMedia::~SimMedia() = default;

void SimMedia::addFile(const QString& path, std::int64_t lengthMs) {
    world_->lengthsNs.insert(path, lengthMs * kNsPerMs);
}

void SimMedia::rejectFile(const QString& path, Parser parser, ResultCode code) {
    world_->rejections.push_back({path, parser, code});
}

void SimMedia::failRuns(ResultCode code) {
    world_->runResult = code;
}

void SimMedia::setEndShortfallMs(std::int64_t ms) {
    world_->endShortfallNs = ms * kNsPerMs;
}

void SimMedia::advanceMs(std::int64_t ms) {
    world_->nowNs += ms * kNsPerMs;
    for (SimPipeline* pipeline : world_->livePipelines)
        pipeline->playOn(ms * kNsPerMs);
}

std::int64_t SimMedia::nowMs() const {
    return world_->nowNs / kNsPerMs;
}

void SimMedia::raiseError(ResultCode code) {
    // A listener may tear pipelines down while hearing the error: walk a copy.
    const std::vector<SimPipeline*> pipelines = world_->livePipelines;
    for (SimPipeline* pipeline : pipelines) {
        if (std::find(world_->livePipelines.begin(), world_->livePipelines.end(), pipeline) !=
            world_->livePipelines.end())
            pipeline->reportError(code);
    }
}

std::unique_ptr<PlaybackPipeline> SimMedia::newPlaybackPipeline() {
    auto seen = std::make_shared<SimPlayback>();
    world_->playbacks.push_back(seen);
    return std::make_unique<SimPipeline>(world_, std::move(seen));
}

int SimMedia::playbackCount() const {
    return static_cast<int>(world_->playbacks.size());
}

const SimPlayback& SimMedia::playback(int index) const {
    return *world_->playbacks.at(static_cast<std::size_t>(index));
}

const SimPlayback& SimMedia::lastPlayback() const {
    return *world_->playbacks.back();
}

} // namespace kw::sim
