#pragma once

// Texts of the display panel, the tip strip and the follow status panel.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kNoFileLoaded = u"还未载入mp3文件";
inline constexpr QStringView kUsageTip =
    u"使用提示  →  （1）网上的资料良莠不齐，有些资料字幕不同步。（2）在字幕行上点击鼠标右键，可弹出复制、编辑、跳转菜单。";

// Key chart shown while no file is loaded.
inline constexpr QStringView kKeyChartTitle = u"快捷键";
inline constexpr QStringView kKeyChartPlay = u"播放/暂停";
inline constexpr QStringView kKeyChartPrevious = u"上一句";
inline constexpr QStringView kKeyChartNext = u"下一句";
inline constexpr QStringView kKeyChartRepeat = u"复读当前句";

// Follow status panel, by follow-read state 0..3.
inline constexpr QStringView kFollowReady = u"就绪";
inline constexpr QStringView kFollowPlayingReference = u"正在播放原声…";
inline constexpr QStringView kFollowPlayingRecording = u"正在播放录音…";
inline constexpr QStringView kFollowRecording = u"正在录音…";

} // namespace kw::text

namespace kw::text {

// Labels drawn into the main toolbar's pictures.
inline constexpr QStringView kToolOpen = u"打开";
inline constexpr QStringView kToolPlay = u"播放";
inline constexpr QStringView kToolPause = u"暂停";
inline constexpr QStringView kToolStop = u"停止";
inline constexpr QStringView kToolPrevious = u"上句";
inline constexpr QStringView kToolNext = u"下句";
inline constexpr QStringView kToolRepeat = u"复读";
inline constexpr QStringView kToolFollowRead = u"跟读";

} // namespace kw::text
