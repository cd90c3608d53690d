#pragma once

// Texts shared by several windows. Each area keeps its own header beside this one.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kProductName = u"Kelpwhistle";
inline constexpr QStringView kVersion = u"2.7.8";
// Title of the main window and caption of its message boxes.
inline constexpr QStringView kAppCaption = u"Kelpwhistle 2.7.8 （mp3逐句复读）";

} // namespace kw::text
