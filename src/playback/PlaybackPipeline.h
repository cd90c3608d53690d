#pragma once

#include "playback/ResultCode.h"

#include <QString>
#include <cstdint>

namespace kw {

// The two parse paths a file can be built with. The owner tries its first one and then the
// other (openWithEitherParser in Player.h).
enum class Parser {
    Preferred, // a plain MP3 parser: bare or RIFF/WAVE-wrapped MP3 only
    Splitter,  // an auto-plugging demuxer/parser: MP3 audio inside other containers too
};

// Hears what a running pipeline reports on its own; called on the window thread only.
class PipelineListener {
public:
    virtual void pipelineError(ResultCode code) = 0;

protected:
    ~PipelineListener() = default;
};

// The narrow media-service seam under Player: one pipeline that plays one file. Times are
// nanoseconds here; Player converts to milliseconds. The GStreamer implementation lives in
// playback/gst, a simulated one with a virtual clock in playback/sim.
class PlaybackPipeline {
public:
    virtual ~PlaybackPipeline() = default;

    // Builds source -> parser -> decoder -> renderer for the file with that parse path and
    // prerolls it (paused at 0). On failure everything obtained is released and the first
    // failing code returned. The listener must outlive the built pipeline.
    virtual ResultCode build(const QString& path, Parser parser, PipelineListener& listener) = 0;
    // Releases everything; nothing when not built.
    virtual void teardown() = 0;

    virtual ResultCode run() = 0;
    virtual ResultCode pause() = 0;
    virtual ResultCode stop() = 0;
    // Flushing and sample-accurate; the caller keeps it within 0..lengthNs().
    virtual void seek(std::int64_t ns) = 0;

    // Both are polled every 10 ms: they must not allocate.
    virtual std::int64_t positionNs() const = 0;
    virtual bool endOfStream() const = 0;
    // The true length of the file, known from the moment it is built.
    virtual std::int64_t lengthNs() const = 0;

    // Linear gain, 0 silent to 1 full.
    virtual ResultCode setGain(double gain) = 0;
    // -1 left channel only, 0 both, +1 right channel only.
    virtual void setPanorama(double panorama) = 0;
};

} // namespace kw
