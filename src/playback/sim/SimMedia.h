#pragma once

// A simulated media service with a virtual clock, for tests of the code above Player: no sound,
// no threads, nothing happens until the test moves the clock.
//
//   kw::sim::SimMedia media;
//   media.addFile("/a.mp3", 20'000);                    // a file of 20 s both paths play
//   kw::Player player(media.newPlaybackPipeline());
//   player.open("/a.mp3", &owner, kw::Parser::Preferred);
//   player.run();
//   media.advanceMs(1500);                              // running pipelines play 1.5 s
//   EXPECT_EQ(player.positionMs(), 1500);
//   EXPECT_EQ(media.lastPlayback().seeksMs(), ...);     // what was asked of the pipeline
//
// Failures on demand: rejectFile (a parse path fails to build the file), failRuns (run fails),
// raiseError (running pipelines report an error: the owner gets kEventErrorAbort, synchronously).
// Files not added fail to build with kFileNotFound.

#include "playback/PlaybackPipeline.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace kw::sim {

// What a test can see of one simulated pipeline; it outlives the pipeline.
struct SimPlayback {
    enum class State { Unbuilt, Stopped, Paused, Running };

    QString path;
    Parser parser = Parser::Preferred;
    State state = State::Unbuilt;
    std::int64_t positionNs = 0;
    std::int64_t lengthNs = 0;
    bool endOfStream = false;
    double gain = 1.0;
    double panorama = 0.0;
    int builds = 0;
    int runs = 0;
    std::vector<std::int64_t> seeksNs;

    std::int64_t positionMs() const { return positionNs / 1'000'000; }
    std::vector<std::int64_t> seeksMs() const;
};

class SimMedia {
public:
    SimMedia();
    ~SimMedia();
    SimMedia(const SimMedia&) = delete;
    SimMedia& operator=(const SimMedia&) = delete;

    // A file of that length that both parse paths play.
    void addFile(const QString& path, std::int64_t lengthMs);
    // Building the file with that parse path fails with `code`.
    void rejectFile(const QString& path, Parser parser, ResultCode code);
    // Every later run() fails with `code`; result::kOk makes runs succeed again.
    void failRuns(ResultCode code);
    // When a running pipeline plays out, its position stops this far short of the length and it
    // reports end-of-stream (real sinks do so); 0 by default.
    void setEndShortfallMs(std::int64_t ms);

    // Moves the virtual clock: every running pipeline plays on by `ms`, up to its end.
    void advanceMs(std::int64_t ms);
    std::int64_t nowMs() const;
    // Every running pipeline reports `code` to its Player, at once.
    void raiseError(ResultCode code);

    std::unique_ptr<PlaybackPipeline> newPlaybackPipeline();
    // The pipelines made so far, oldest first.
    int playbackCount() const;
    const SimPlayback& playback(int index) const;
    const SimPlayback& lastPlayback() const;

    struct World;

private:
    std::shared_ptr<World> world_;
};

} // namespace kw::sim
