#pragma once

#include "playback/PlaybackPipeline.h"

#include <memory>

namespace kw::gst {

// The GStreamer pipeline behind a Player:
//   filesrc "source" ! [id3demux] ! mpegaudioparse "mp3Parser"   (Parser::Preferred)
//   filesrc "source" ! parsebin "mp3Parser"                       (Parser::Splitter)
//   ... ! mpg123audiodec "decoder" ! audioconvert ! audiopanorama ! volume ! pulsesink "renderer"
// Must be made and used on the window thread (errors are delivered there).
std::unique_ptr<PlaybackPipeline> newPlaybackPipeline();

} // namespace kw::gst
