#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kw::gst {

// The exact playing length of an MP3 file in nanoseconds, as libmpg123 decodes it (encoder
// delay and padding trimmed when a LAME tag says so), from a scan of every frame: GStreamer only
// estimates the length of files without a Xing/Info header. None when it is not MP3.
std::optional<std::int64_t> trueMp3LengthNs(const QString& path);

} // namespace kw::gst
