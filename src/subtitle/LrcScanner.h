#pragma once

#include "Line.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace kw {

inline constexpr qsizetype kMaxHeaderLength = 204799;

struct LrcScan {
    bool ok = false;
    QString header;
    std::int32_t fileOffsetMs = 0;
    std::vector<Line> lines; // in file order
};

// Scans normalised LRC text: the offset tag (only before the first time tag), time tag groups
// and their texts; text before the first time tag becomes the header. Fails on an unclosed tag,
// a tag of 64 units or more, or an invalid further time in a group.
LrcScan scanLrc(QStringView text);

} // namespace kw
