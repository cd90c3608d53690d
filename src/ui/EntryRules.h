#pragma once

// How the dialogs read what the user typed. Only the time entry can be rejected; the numeric
// entries are clamped instead.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace kw {

class LineTable;

namespace ui {

inline constexpr int kMaxRepeatCount = 9;
inline constexpr int kMaxOffsetMs = 2000;

// The time an entry stands for, when it has exactly the form formatTime writes ("02:02.02",
// "123:00.00"); nothing for anything else ("2:2.2", "02:60.00", " 02:02.02").
std::optional<std::int32_t> readStrictTime(QStringView entry);

// Whether line `index` may start at `ms` without leaving the table's time order: strictly after
// the line before it and strictly before the line after it.
bool fitsBetweenNeighbours(const LineTable& table, int index, std::int32_t ms);

// An unsigned number of plays: not a number reads as 0 (endless), above 9 as 9.
int readRepeatCount(QStringView entry);

// A signed offset in milliseconds: not a number reads as 0, the rest is clamped to -2000..2000.
int readOffset(QStringView entry);

// How the control panel shows an offset: "提前300毫秒", "延后2000毫秒" or "0".
QString offsetText(int offsetMs);

} // namespace ui
} // namespace kw
