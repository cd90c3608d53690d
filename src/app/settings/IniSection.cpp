#include "IniSection.h"

#include <QStringTokenizer>
#include <algorithm>
#include <limits>

namespace kw {
namespace {

QStringView unquoted(QStringView value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

IniSection::IniSection(QStringView text, QStringView section) {
    bool inSection = false;
    bool sectionSeen = false;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            if (sectionSeen)
                break;
            const qsizetype close = line.indexOf(u']');
            const QStringView name = line.sliced(1, (close < 0 ? line.size() : close) - 1);
            inSection = name.trimmed().compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = inSection;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0)
            continue;
        const QString key = line.first(equals).trimmed().toString().toLower();
        if (!values_.contains(key))
            values_.insert(key, unquoted(line.sliced(equals + 1).trimmed()).toString());
    }
}

std::optional<QString> IniSection::value(QStringView key) const {
    const auto found = values_.constFind(key.toString().toLower());
    if (found == values_.constEnd())
        return std::nullopt;
    return *found;
}

std::int32_t IniSection::intValue(QStringView key, std::int32_t fallback) const {
    const auto text = value(key);
    return text ? profileInt(*text) : fallback;
}

std::int32_t profileInt(QStringView text) {
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), kLimit);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        negative ? -value : value, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

} // namespace kw
