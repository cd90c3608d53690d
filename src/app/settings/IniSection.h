#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace kw {

// The keys of one section of INI text, read as the Windows profile functions read them: section
// and key names without regard to case and trimmed, values trimmed and stripped of one pair of
// enclosing quotes; the first section of the name and the first of repeated keys count.
class IniSection {
public:
    IniSection(QStringView text, QStringView section);

    std::optional<QString> value(QStringView key) const;
    // An integer value as the profile reader takes it: optional sign, then the leading digits;
    // trailing text is ignored and no digits give 0. `fallback` when the key is missing.
    std::int32_t intValue(QStringView key, std::int32_t fallback) const;

private:
    QHash<QString, QString> values_; // by lower-case key
};

// The leading integer of `text`: optional sign, digits, anything after them ignored; 0 without
// digits. Saturates at the 32-bit range.
std::int32_t profileInt(QStringView text);

} // namespace kw
