#pragma once

#include "playback/ResultCode.h"

#include <gst/gst.h>

namespace kw::gst {

// The result code for an error GStreamer reported; its message is kept for resultText.
ResultCode resultForError(const GError* error);

// The code of the first error waiting on the bus, or `fallback` when there is none.
ResultCode takeBusError(GstBus* bus, ResultCode fallback);

} // namespace kw::gst
