#pragma once

#include "playback/RecordingPipeline.h"

#include <memory>

namespace kw::gst {

// <capture element named after the device> ! audioconvert ! audioresample ! 22,050 Hz
//   ! lamemp3enc "lame" (32 kbit/s CBR) ! audio/mpeg,rate=22050 ! filesink "fileWriter"
// The rate is pinned after the encoder too: LAME would otherwise drop 32 kbit/s stereo to
// 16,000 Hz. Made and used on the window thread.
std::unique_ptr<RecordingPipeline> newRecordingPipeline();

} // namespace kw::gst
