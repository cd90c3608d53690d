#pragma once

// What the follow-read window needs from outside: the media service (GStreamer, or the
// simulated one in tests), the capture device list, the warning sound and the file-size check
// of a running recording.

#include "playback/CaptureDevice.h"
#include "playback/PlaybackPipeline.h"
#include "playback/RecordingPipeline.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace kw {

// Fills the table with the devices a user can choose from, in the order CaptureDeviceOpener
// counts positions; returns the count.
using CaptureDeviceLister = std::function<int(CaptureDeviceTable& table)>;

// The size of the file at a local (encoded) path, or none when it cannot be read. Called every
// 10 ms while recording: it must not allocate.
using FileSizeProbe = std::function<std::optional<std::int64_t>(const char* localPath)>;

std::optional<std::int64_t> fileSizeOnDisk(const char* localPath);

struct FollowServices {
    std::function<std::unique_ptr<PlaybackPipeline>()> newPlaybackPipeline;
    std::function<std::unique_ptr<RecordingPipeline>()> newRecordingPipeline;
    CaptureDeviceOpener openCaptureDevice;
    CaptureDeviceLister listCaptureDevices;
    // The warning chord of a rejected entry (OK in the device chooser without a choice).
    std::function<void()> playWarningSound;
    FileSizeProbe recordingSize = fileSizeOnDisk;
};

// GStreamer pipelines and the sound server's capture devices.
FollowServices gstFollowServices(std::function<void()> playWarningSound);

} // namespace kw
