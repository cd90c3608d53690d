#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

namespace kw {

// Reads the content of a time tag ("mm:ss.xx", "h:m:s", ...) as milliseconds; -1 when it is not
// a valid time. Values beyond the 32-bit range saturate.
std::int32_t parseTime(QStringView text);

// "%.2d:%.2d.%.2d" of minutes, seconds and hundredths; negative times show as zero, hundredths
// are truncated and minutes may take more than two digits.
QString formatTime(std::int64_t ms);

} // namespace kw
