#pragma once

#include "subtitle/LineTable.h"
#include "subtitle/TimeText.h"

#include <QString>
#include <cstdint>
#include <initializer_list>

namespace kwtest {

// LRC text with one line "line i" at each of the given times (whole hundredths).
inline QString lessonLrc(std::initializer_list<std::int32_t> startsMs) {
    QString text;
    int i = 0;
    for (std::int32_t ms : startsMs)
        text += QStringLiteral("[%1]line %2\r\n").arg(kw::formatTime(ms)).arg(i++);
    return text;
}

inline kw::LineTable lessonTable(std::initializer_list<std::int32_t> startsMs) {
    kw::LineTable table;
    table.loadBytes(lessonLrc(startsMs).toUtf8());
    return table;
}

} // namespace kwtest
