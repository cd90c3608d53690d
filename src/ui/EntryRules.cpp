#include "EntryRules.h"

#include "subtitle/LineTable.h"
#include "subtitle/TimeText.h"
#include "texts/UiTexts.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kw::ui {

std::optional<std::int32_t> readStrictTime(QStringView entry) {
    const std::int32_t ms = parseTime(entry);
    if (ms < 0 || formatTime(ms) != entry)
        return std::nullopt;
    return ms;
}

bool fitsBetweenNeighbours(const LineTable& table, int index, std::int32_t ms) {
    if (index > 0 && ms <= table.line(index - 1).startMs)
        return false;
    if (index < table.count() - 1 && ms >= table.line(index + 1).startMs)
        return false;
    return true;
}

int readRepeatCount(QStringView entry) {
    bool ok = false;
    const qulonglong value = entry.trimmed().toULongLong(&ok);
    // A value beyond the signed 32-bit range reads as "not a number".
    if (!ok || value > qulonglong(std::numeric_limits<std::int32_t>::max()))
        return 0;
    return static_cast<int>(std::min(value, qulonglong(kMaxRepeatCount)));
}

int readOffset(QStringView entry) {
    bool ok = false;
    const int value = entry.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    return std::clamp(value, -kMaxOffsetMs, kMaxOffsetMs);
}

QString offsetText(int offsetMs) {
    if (offsetMs > 0)
        return text::kOffsetEarlier.toString().arg(offsetMs);
    if (offsetMs < 0)
        return text::kOffsetLater.toString().arg(std::abs(offsetMs));
    return text::kOffsetNone.toString();
}

} // namespace kw::ui
