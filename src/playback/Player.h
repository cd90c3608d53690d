#pragma once

// Player: plays one MP3 file through a media pipeline. Window thread only.
//
//   Player player(gst::newPlaybackPipeline());          // or SimMedia::newPlaybackPipeline()
//   ResultCode code = openWithEitherParser(player, path, &owner, Parser::Preferred);
//   if (failed(code)) showMessage(resultText(code));    // the second parse path's code
//   player.setChannel(channel); player.setVolume(level);
//   player.seekMs(startMs); player.run();
//   every 10 ms: player.positionMs(), player.atEnd()    // no allocation
//   ...
//   player.stop(); player.close();                      // the destructor closes too
//
// Times are milliseconds. Results are ResultCode values (negative: failure; resultText gives the
// message text). The owner passes a GraphNotifyTarget to open(): when the pipeline reports
// something on its own (an error while running), the target's onGraphNotify() is called on the
// window thread, and the owner drains the events with takeEvent(); an event with code
// kEventErrorAbort carries the failure code in `param` and means the owner should stop and
// report it. End of media is not an event: the owner polls atEnd().

#include "playback/PlaybackPipeline.h"
#include "playback/ResultCode.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <memory>

namespace kw {

class Player;

// The graph's error-abort event: `param` is the failure code.
inline constexpr std::int32_t kEventErrorAbort = 3;

struct GraphEvent {
    std::int32_t code = 0;
    ResultCode param = result::kOk;
};

// The owner of a Player: told on the window thread that events are waiting in takeEvent().
class GraphNotifyTarget {
public:
    virtual void onGraphNotify(Player& player) = 0;

protected:
    ~GraphNotifyTarget() = default;
};

// Channel modes of setChannel.
inline constexpr int kChannelStereo = 0;
inline constexpr int kChannelLeft = 1;
inline constexpr int kChannelRight = 2;

// Volume levels of setVolume, in hundredths of a decibel.
inline constexpr std::int32_t kVolumeSilent = -10000;
inline constexpr std::int32_t kVolumeFull = 0;

class Player final : private PipelineListener {
public:
    explicit Player(std::unique_ptr<PlaybackPipeline> pipeline);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Builds the pipeline for the file with that parse path; 0 on success, else the first
    // failing code with nothing kept. A built Player is closed first. `target` may be null.
    ResultCode open(const QString& path, GraphNotifyTarget* target, Parser parser);
    // Tears the pipeline down; nothing when not built (also twice). Does not stop it first.
    void close();
    bool isBuilt() const { return built_; }
    // The parse path of the last successful open().
    Parser parser() const { return parser_; }

    // kUnexpected when not built.
    ResultCode run();
    ResultCode pause();
    // Stays built; seek before running again.
    ResultCode stop();

    // Clamped to 0..durationMs(); flushing and sample-accurate. Nothing when not built.
    void seekMs(std::int32_t ms);
    // 0 when not built.
    std::int64_t positionMs() const;
    // The true length of the file.
    std::int64_t durationMs() const;
    // Position >= length, or the pipeline has played out. False when not built.
    bool atEnd() const;

    // Hundredths of a decibel, kVolumeSilent..kVolumeFull (kVolumeSilent is silence);
    // kInvalidArg outside that range, kUnexpected when not built.
    ResultCode setVolume(std::int32_t level);
    // kChannelLeft: left only; kChannelRight: right only; any other value: both.
    void setChannel(int mode);

    // Takes the oldest waiting event; false when there is none.
    bool takeEvent(GraphEvent& event);

private:
    void pipelineError(ResultCode code) override;

    std::unique_ptr<PlaybackPipeline> pipeline_;
    GraphNotifyTarget* target_ = nullptr;
    bool built_ = false;
    Parser parser_ = Parser::Preferred;
    std::deque<GraphEvent> events_;
};

constexpr Parser otherParser(Parser parser) {
    return parser == Parser::Preferred ? Parser::Splitter : Parser::Preferred;
}

// The owners' two-parser rule: open with `first`, and on failure with the other one; the
// second failure's code is the one returned.
ResultCode openWithEitherParser(Player& player, const QString& path, GraphNotifyTarget* target,
                                Parser first);

// Linear gain for a volume level (hundredths of a dB); 0 for kVolumeSilent and below.
double gainForLevel(std::int32_t level);

} // namespace kw
