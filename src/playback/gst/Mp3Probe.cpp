#include "playback/gst/Mp3Probe.h"

#include <QFile>
#include <array>

namespace kw::gst {

namespace {

constexpr qint64 kHeadBytes = 16 * 1024;

// kbit/s by [MPEG-1 or not][layer 1..3][index].
constexpr std::array<std::array<std::array<int, 16>, 3>, 2> kBitrates{{
    {{{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
      {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}}},
    {{{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}},
}};
constexpr std::array<int, 3> kMpeg1Rates{44100, 48000, 32000};

struct FrameHeader {
    std::uint32_t id = 0; // version, layer and sample rate bits: equal for every frame of a file
    int length = 0;
};

std::uint32_t bigEndian32(const QByteArray& bytes, qint64 at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

std::uint32_t littleEndian32(const QByteArray& bytes, qint64 at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

// A valid header at `at`, or a zero length.
FrameHeader frameAt(const QByteArray& bytes, qint64 at) {
    if (at < 0 || at + 4 > bytes.size())
        return {};
    const std::uint32_t h = bigEndian32(bytes, at);
    const std::uint32_t version = (h >> 19) & 3u; // 0: 2.5, 2: 2, 3: 1
    const std::uint32_t layerBits = (h >> 17) & 3u;
    const std::uint32_t bitrateIndex = (h >> 12) & 15u;
    const std::uint32_t rateIndex = (h >> 10) & 3u;
    if ((h & 0xFFE00000u) != 0xFFE00000u || version == 1 || layerBits == 0 || rateIndex == 3 ||
        bitrateIndex == 0 || bitrateIndex == 15)
        return {};
    const int layer = 4 - static_cast<int>(layerBits);
    const bool mpeg1 = version == 3;
    int rate = kMpeg1Rates[rateIndex];
    if (version == 2)
        rate /= 2;
    else if (version == 0)
        rate /= 4;
    const int bitrate = kBitrates[mpeg1 ? 0 : 1][layer - 1][bitrateIndex] * 1000;
    const int padding = static_cast<int>((h >> 9) & 1u);
    int length = 0;
    if (layer == 1)
        length = (12 * bitrate / rate + padding) * 4;
    else if (layer == 3 && !mpeg1)
        length = 72 * bitrate / rate + padding;
    else
        length = 144 * bitrate / rate + padding;
    return {h & 0xFFFE0C00u, length};
}

// Offset after any ID3v2 tags at `at`.
qint64 skipId3v2(QFile& file, qint64 at, bool& tagged) {
    for (;;) {
        file.seek(at);
        const QByteArray header = file.read(10);
        if (header.size() < 10 || !header.startsWith("ID3"))
            return at;
        tagged = true;
        qint64 size = 0;
        for (int i = 6; i < 10; ++i)
            size = (size << 7) | (static_cast<std::uint8_t>(header[i]) & 0x7F);
        const bool footer = (static_cast<std::uint8_t>(header[5]) & 0x10) != 0;
        at += 10 + size + (footer ? 10 : 0);
    }
}

// Offset of the MPEG audio in a RIFF/WAVE file, or -1 when it holds something else.
qint64 riffMpegData(const QByteArray& head) {
    bool mpeg = false;
    qint64 at = 12;
    while (at + 8 <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const qint64 size = littleEndian32(head, at + 4);
        if (id == "fmt " && at + 10 <= head.size()) {
            const int tag = static_cast<std::uint8_t>(head[at + 8]) |
                            (static_cast<std::uint8_t>(head[at + 9]) << 8);
            mpeg = tag == 0x55 || tag == 0x50;
        } else if (id == "data") {
            return mpeg ? at + 8 : -1;
        }
        at += 8 + size + (size & 1);
    }
    return -1;
}

} // namespace

Mp3Probe probeMp3(const QString& path) {
    Mp3Probe probe;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return probe;
    bool tagged = false;
    const qint64 start = skipId3v2(file, 0, tagged);
    file.seek(start);
    const QByteArray head = file.read(kHeadBytes);
    qint64 first = 0;
    if (!tagged && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE")
        first = riffMpegData(head);
    const FrameHeader frame = frameAt(head, first);
    if (frame.length == 0)
        return probe;
    const qint64 next = first + frame.length;
    // A file of a single frame has nothing to compare with.
    const bool endsThere = start + next >= file.size();
    const FrameHeader second = frameAt(head, next);
    probe.plainMp3 = endsThere || (second.length != 0 && second.id == frame.id);
    return probe;
}

} // namespace kw::gst
