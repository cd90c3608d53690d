#pragma once

#include "Line.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace kw {

// The lines of one subtitle file, sorted by start time, with the text that stood before the
// first time tag, the file's own offset tag and the user offset currently applied.
class LineTable {
public:
    // Bytes of a file that are read; the rest of a longer file is ignored.
    static constexpr qsizetype kMaxFileBytes = 204799;

    enum LoadResult { CannotOpen = -1, Invalid = 0, Loaded = 1 };

    // Reads an LRC file. CannotOpen leaves errno (and loadErrno()) set for the message.
    int load(const QString& path);
    int loadErrno() const { return loadErrno_; }
    // The part of load after reading: decode, normalise, scan and sort the file's first bytes.
    int loadBytes(QByteArrayView bytes);

    int count() const { return static_cast<int>(lines_.size()); }
    const Line& line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    // The line playing at time t: the last line starting at or before t, or 0 before the first.
    int lineAt(std::int64_t t) const;

    // Both set `modified`; the text is cut to kMaxLineTextLength.
    void setText(int index, QStringView text);
    void setStartMs(int index, std::int32_t startMs);
    // Replaces the user offset subtracted from every line; `modified` is left alone, since the
    // offset is stored apart from the subtitle file.
    void applyOffset(std::int32_t offsetMs);

    // Writes the lines back to `path` when they were modified, with the file's times restored
    // (both offsets added back), as UTF-16LE with a mark. Returns 0 when written or nothing
    // needed writing, otherwise the error number; on failure the file is left as it was and
    // `modified` stays set.
    int save();
    // Writes lines first..last (inclusive) to `target`, timed from line `first`, with the same
    // header. Returns 0 or the error number.
    int writePiece(int first, int last, const QString& target) const;

    bool modified() const { return modified_; }
    std::int32_t fileOffsetMs() const { return fileOffsetMs_; }
    std::int32_t appliedOffsetMs() const { return appliedOffsetMs_; }
    const QString& header() const { return header_; }
    const QString& path() const { return path_; }

private:
    QByteArray lrcBytes(int first, int last, std::int64_t shiftMs) const;

    std::vector<Line> lines_;
    bool modified_ = false;
    std::int32_t fileOffsetMs_ = 0;
    std::int32_t appliedOffsetMs_ = 0;
    QString header_;
    QString path_;
    int loadErrno_ = 0;
};

} // namespace kw
