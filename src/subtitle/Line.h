#pragma once

#include <QString>
#include <cstdint>

namespace kw {

// Longest line text kept; the rest of a longer line is dropped when it is read or edited.
inline constexpr int kMaxLineTextLength = 511;

struct Line {
    // Effective start: the file's time tag minus the file's offset tag minus the user offset.
    std::int32_t startMs = 0;
    QString text;
};

} // namespace kw
