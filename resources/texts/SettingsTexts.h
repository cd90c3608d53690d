#pragma once

// Messages of the settings store: %1 is the settings file's path, %2 the system's error text.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kSettingsReadFailed = u"读文件失败：\n%1\n\n%2";
inline constexpr QStringView kSettingsWriteFailed = u"写文件失败：\n%1\n\n%2";

} // namespace kw::text
