#include "subtitle/LineTable.h"
#include "subtitle/Sentences.h"
#include "subtitle/TimeText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    kw::LineTable table;
    if (table.loadBytes(bytes) != kw::LineTable::Loaded)
        return 0;
    for (int mode = 0; mode < 3; ++mode) {
        const kw::Grouping grouping{mode, table.count()};
        for (int s = 1; s <= grouping.sentenceCount(); ++s)
            (void)kw::sentenceText(table, grouping, s);
    }
    for (int i = 0; i < table.count(); ++i) {
        const QString time = kw::formatTime(table.line(i).startMs);
        (void)kw::parseTime(time);
        (void)table.lineAt(table.line(i).startMs);
    }
    return 0;
}
