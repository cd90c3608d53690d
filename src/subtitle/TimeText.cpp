#include "TimeText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace kw {
namespace {

// Reads a decimal floating-point number the way scanf's "%lf" does: leading white space and a
// sign are accepted, reading stops at the first character that cannot continue the number.
// Always in the "C" locale: the program's locale may use a decimal comma.
std::optional<double> scanDouble(QStringView text) {
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            break;
        ascii.push_back(static_cast<char>(c.unicode()));
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    char* end = nullptr;
    const double value = strtod_l(ascii.c_str(), &end, cLocale);
    if (end == ascii.c_str())
        return std::nullopt;
    return value;
}

std::int32_t roundSaturated(double ms) {
    if (std::isnan(ms))
        return -1;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    if (ms >= kMax)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::llround(ms));
}

} // namespace

std::int32_t parseTime(QStringView text) {
    qsizetype lastColon = -1;
    qsizetype firstColon = -1;
    int colons = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i] != u':')
            continue;
        if (++colons > 2)
            return -1;
        if (lastColon < 0)
            lastColon = i;
        firstColon = i;
    }
    if (colons == 0)
        return -1;

    const auto seconds = scanDouble(text.mid(lastColon + 1));
    const auto minutes = colons == 2
                             ? scanDouble(text.mid(firstColon + 1, lastColon - firstColon - 1))
                             : scanDouble(text.first(firstColon));
    if (!seconds || !(*seconds >= 0) || !minutes || !(*minutes >= 0))
        return -1;
    double hours = 0;
    if (colons == 2) {
        const auto scanned = scanDouble(text.first(firstColon));
        if (scanned && !(*scanned >= 0))
            return -1;
        hours = scanned.value_or(0);
    }
    return roundSaturated(1000.0 * (*seconds + 60.0 * (*minutes + 60.0 * hours)));
}

QString formatTime(std::int64_t ms) {
    if (ms < 0)
        ms = 0;
    const std::int64_t minutes = ms / 60000;
    const std::int64_t seconds = ms % 60000 / 1000;
    const std::int64_t hundredths = ms % 1000 / 10;
    return QStringLiteral("%1:%2.%3")
        .arg(minutes, 2, 10, QChar(u'0'))
        .arg(seconds, 2, 10, QChar(u'0'))
        .arg(hundredths, 2, 10, QChar(u'0'));
}

} // namespace kw
