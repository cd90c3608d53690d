#pragma once

#include <QStringView>

// Names in options.ini.
namespace kw::settings_key {

inline constexpr QStringView kFileName = u"options.ini";
inline constexpr QStringView kSection = u"options";

inline constexpr QStringView kBMute = u"bMute";
inline constexpr QStringView kVolume = u"volume";
inline constexpr QStringView kBFileLoopPlay = u"bFileLoopPlay";
inline constexpr QStringView kLrcMode = u"lrcMode";
inline constexpr QStringView kTotalCount = u"totalCount";
inline constexpr QStringView kFs = u"fs";
inline constexpr QStringView kWMsx = u"w_msx";
inline constexpr QStringView kWPointer = u"w_pointer";
inline constexpr QStringView kWSenno = u"w_senno";
inline constexpr QStringView kWText = u"w_text";
inline constexpr QStringView kFollowBAutoPlay = u"follow_bAutoPlay";
inline constexpr QStringView kFollowADevId = u"follow_aDevId";
inline constexpr QStringView kFollowDestFile = u"follow_destFile";

} // namespace kw::settings_key
