#pragma once

#include "playback/CaptureDevice.h"
#include "playback/PlaybackPipeline.h"
#include "playback/ResultCode.h"

#include <QString>

namespace kw {

// The seam under Recorder: capture device -> MP3 encoder (32 kbit/s CBR, 22,050 Hz) -> file.
class RecordingPipeline {
public:
    virtual ~RecordingPipeline() = default;

    // Builds the chain with the capture element named `elementName`; nothing kept on failure.
    // The device is only used while building. The listener must outlive the built pipeline.
    virtual ResultCode build(const CaptureDevice& device, const QString& elementName,
                             PipelineListener& listener) = 0;
    // Releases everything; nothing when not built.
    virtual void teardown() = 0;
    // Only while stopped.
    virtual ResultCode setTarget(const QString& path) = 0;
    virtual ResultCode start() = 0;
    // Returns once the file is complete.
    virtual ResultCode stop() = 0;
};

} // namespace kw
