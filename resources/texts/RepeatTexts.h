#pragma once

// Status bar and message texts of sentence playback.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kStatusPlaying = u"播放中…";
inline constexpr QStringView kStatusPaused = u"暂停播放";
inline constexpr QStringView kStatusStopped = u"已停止播放";
// Status part 1: sentence number of the current line and the number of sentences.
inline constexpr QStringView kSentenceCounter = u"%d / %d";
// Status part 2: position and length, each as kClockTime.
inline constexpr QStringView kTimeText = u"%s / %s";
// Hours, minutes, seconds.
inline constexpr QStringView kClockTime = u"%.2d:%.2d:%.2d";
// %s: the player's text for the failure code.
inline constexpr QStringView kRunFailed = u"播放失败：\r\n%s（建议用暴风转码再次转换下MP3文件）";
inline constexpr QStringView kPlaybackAborted = u"播放异常：\r\n%s";

} // namespace kw::text
