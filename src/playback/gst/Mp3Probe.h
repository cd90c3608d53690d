#pragma once

#include <QString>
#include <cstdint>

namespace kw::gst {

// What the start of a file says about it, read before choosing how to play it.
struct Mp3Probe {
    // Bare MPEG audio frames (after any ID3v2 tags) or MPEG audio in a RIFF/WAVE file: what the
    // plain parser plays correctly. Anything else (other containers, junk before the first
    // frame, random bytes) needs the auto-plugging path.
    bool plainMp3 = false;
};

// Reads only the first frames' headers; false fields when the file cannot be read.
Mp3Probe probeMp3(const QString& path);

} // namespace kw::gst
