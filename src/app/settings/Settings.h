#pragma once

#include <QString>

namespace kw {

// The preferences kept between runs, as they stand after loading (checked and corrected).
struct Settings {
    int bMute = 0;
    // Level in hundredths of a decibel, -10000 (silent) to 0; the file holds it plus 10000.
    int volume = -500;
    int bFileLoopPlay = 1;
    int lrcMode = 0;
    int totalCount = 3;
    int fs = 0;
    int w_msx = 105;
    int w_pointer = 60;
    int w_senno = 65;
    int w_text = 1000;
    int follow_bAutoPlay = 1;
    int follow_aDevId = 0;
    QString follow_destFile;

    bool operator==(const Settings&) const = default;
};

// Longest recording destination kept; a longer stored value is cut.
inline constexpr qsizetype kMaxDestFileLength = 258;

} // namespace kw
