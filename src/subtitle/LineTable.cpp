#include "LineTable.h"

#include "LrcScanner.h"
#include "TextDecoding.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>

namespace kw {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

int LineTable::load(const QString& path) {
    path_ = path;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(
        std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file) {
        loadErrno_ = errno;
        return CannotOpen;
    }
    QByteArray bytes(kMaxFileBytes, Qt::Uninitialized);
    const std::size_t got =
        std::fread(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), file.get());
    file.reset();
    bytes.truncate(static_cast<qsizetype>(got));
    return loadBytes(bytes);
}

int LineTable::loadBytes(QByteArrayView bytes) {
    const QString text =
        normalizeLineEnds(decodeText(bytes.first(std::min(bytes.size(), kMaxFileBytes))));
    LrcScan scan = scanLrc(text);
    if (!scan.ok || scan.lines.empty())
        return Invalid;
    // Lines with equal times keep no particular order among themselves.
    std::sort(scan.lines.begin(), scan.lines.end(),
              [](const Line& a, const Line& b) { return a.startMs < b.startMs; });
    lines_ = std::move(scan.lines);
    header_ = std::move(scan.header);
    fileOffsetMs_ = scan.fileOffsetMs;
    appliedOffsetMs_ = 0;
    modified_ = false;
    return Loaded;
}

int LineTable::lineAt(std::int64_t t) const {
    if (lines_.empty() || t < lines_.front().startMs)
        return 0;
    const auto after =
        std::upper_bound(lines_.begin(), lines_.end(), t,
                         [](std::int64_t time, const Line& l) { return time < l.startMs; });
    return static_cast<int>(after - lines_.begin()) - 1;
}

void LineTable::setText(int index, QStringView text) {
    lines_[static_cast<std::size_t>(index)].text =
        text.first(std::min(text.size(), qsizetype(kMaxLineTextLength))).toString();
    modified_ = true;
}

void LineTable::setStartMs(int index, std::int32_t startMs) {
    lines_[static_cast<std::size_t>(index)].startMs = startMs;
    modified_ = true;
}

void LineTable::applyOffset(std::int32_t offsetMs) {
    const std::int64_t shift = std::int64_t{appliedOffsetMs_} - offsetMs;
    for (Line& l : lines_)
        l.startMs = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(l.startMs + shift, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()));
    appliedOffsetMs_ = offsetMs;
}

} // namespace kw
