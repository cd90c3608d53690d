#include "FollowServices.h"

#include "playback/gst/Devices.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "playback/gst/GstRecordingPipeline.h"

#include <sys/stat.h>

namespace kw {

std::optional<std::int64_t> fileSizeOnDisk(const char* localPath) {
    struct stat info {};
    if (::stat(localPath, &info) != 0)
        return std::nullopt;
    return std::int64_t(info.st_size);
}

FollowServices gstFollowServices(std::function<void()> playWarningSound) {
    FollowServices services;
    services.newPlaybackPipeline = &gst::newPlaybackPipeline;
    services.newRecordingPipeline = &gst::newRecordingPipeline;
    services.openCaptureDevice = &gst::openCaptureDevice;
    services.listCaptureDevices = &gst::listCaptureDevices;
    services.playWarningSound = std::move(playWarningSound);
    return services;
}

} // namespace kw
