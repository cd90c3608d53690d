#include "LrcScanner.h"

#include "TimeText.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace kw {
namespace {

constexpr qsizetype kMaxTagContent = 63;
constexpr std::int32_t kMaxFileOffset = 10000;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::int32_t saturatedDifference(std::int64_t a, std::int64_t b) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        a - b, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text), n_(text.size()) {}

    LrcScan run() {
        while (p_ < n_) {
            if (text_[p_++] != u'[')
                continue;
            if (!tagSeen_ && text_.sliced(p_).startsWith(u"offset:", Qt::CaseInsensitive)) {
                if (!readOffsetTag())
                    return {};
            } else if (isDigit(at(p_))) {
                if (!readTimeGroup())
                    return {};
            }
        }
        result_.ok = true;
        return std::move(result_);
    }

private:
    QChar at(qsizetype i) const { return i < n_ ? text_[i] : QChar(u'\0'); }

    bool readOffsetTag() {
        p_ += 7;
        int sign = 1;
        if (at(p_) == u'-') {
            sign = -1;
            ++p_;
        }
        std::int32_t value = 0;
        bool numberEnded = false;
        for (; at(p_) != u']'; ++p_) {
            if (p_ >= n_)
                return false;
            if (!numberEnded && isDigit(text_[p_]))
                value = std::min(value * 10 + (text_[p_].unicode() - u'0'), kMaxFileOffset + 1);
            else
                numberEnded = true;
        }
        if (value > kMaxFileOffset)
            value = 0;
        result_.fileOffsetMs = sign * value;
        tagSeen_ = true;
        ++p_;
        return true;
    }

    // Reads the tag whose content starts at p_ and moves past its "]"; nullopt on failure.
    std::optional<std::int32_t> readTimeTag() {
        const qsizetype close = text_.indexOf(u']', p_);
        if (close < 0 || close - p_ > kMaxTagContent)
            return std::nullopt;
        const std::int32_t time = parseTime(text_.sliced(p_, close - p_));
        p_ = close + 1;
        return time;
    }

    bool readTimeGroup() {
        if (!timeSeen_) {
            timeSeen_ = true;
            result_.header = text_.first(std::min(p_ - 1, kMaxHeaderLength)).toString();
        }
        tagSeen_ = true;
        const auto first = readTimeTag();
        if (!first)
            return false;
        further_.clear();
        while (at(p_) == u'[' && isDigit(at(p_ + 1))) {
            ++p_;
            const auto time = readTimeTag();
            if (!time || *time == -1)
                return false;
            further_.push_back(*time);
        }
        qsizetype end = p_;
        while (end < n_ && text_[end] != u'\r' && text_[end] != u'\n')
            ++end;
        const QString lineText =
            text_.sliced(p_, std::min(end - p_, qsizetype(kMaxLineTextLength))).toString();
        p_ = end;
        result_.lines.push_back({saturatedDifference(*first, result_.fileOffsetMs), lineText});
        for (const std::int32_t time : further_)
            result_.lines.push_back({saturatedDifference(time, result_.fileOffsetMs), lineText});
        return true;
    }

    QStringView text_;
    qsizetype n_;
    qsizetype p_ = 0;
    bool tagSeen_ = false;
    bool timeSeen_ = false;
    std::vector<std::int32_t> further_;
    LrcScan result_;
};

} // namespace

LrcScan scanLrc(QStringView text) {
    return Scanner(text).run();
}

} // namespace kw
