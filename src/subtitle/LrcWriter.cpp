#include "FileWriting.h"
#include "LineTable.h"
#include "TimeText.h"

namespace kw {

// FF FE, the header as read, then one "[time]text" record per line with CR LF. Each line's time
// is its start plus `shiftMs`.
QByteArray LineTable::lrcBytes(int first, int last, std::int64_t shiftMs) const {
    QString text = header_;
    for (int i = first; i <= last; ++i) {
        const Line& l = line(i);
        text += QChar(u'[');
        text += formatTime(l.startMs + shiftMs);
        text += QChar(u']');
        text += l.text;
        text += u"\r\n";
    }
    return utf16LeWithMark(text);
}

int LineTable::save() {
    if (!modified_)
        return 0;
    const std::int64_t fileTimeShift = std::int64_t{fileOffsetMs_} + appliedOffsetMs_;
    const int error = writeFileAtomically(path_, lrcBytes(0, count() - 1, fileTimeShift));
    if (error == 0)
        modified_ = false;
    return error;
}

int LineTable::writePiece(int first, int last, const QString& target) const {
    const std::int64_t pieceShift =
        first <= last ? std::int64_t{appliedOffsetMs_} + fileOffsetMs_ - line(first).startMs : 0;
    return writeFileAtomically(target, lrcBytes(first, last, pieceShift));
}

} // namespace kw
