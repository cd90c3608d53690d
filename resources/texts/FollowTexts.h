#pragma once

// Texts of the follow-read compare window, its settings panel and its device dialogs.
#include <QStringView>

namespace kw::text {

// Window title, menu title and the caption of every message of the window.
inline constexpr QStringView kFollowCaption = u"跟读对比";

// Menu items.
inline constexpr QStringView kFollowMenuPrevious = u"上一句 \t ←";
inline constexpr QStringView kFollowMenuNext = u"下一句 \t →";
inline constexpr QStringView kFollowMenuPlayReference = u"播放原声 \t ↑";
inline constexpr QStringView kFollowMenuPlayRecording = u"播放录音 \t Tab";
inline constexpr QStringView kFollowMenuStartRecording = u"开始录音 \t ↓";
inline constexpr QStringView kFollowMenuEndRecording = u"结束录音 \t ↓";
inline constexpr QStringView kFollowMenuExit = u"退出 \t Esc";

// Toolbar tooltips.
inline constexpr QStringView kFollowTipPrevious = u"上一句（←）";
inline constexpr QStringView kFollowTipNext = u"下一句（→）";
inline constexpr QStringView kFollowTipPlayReference = u"播放原声（↑）";
inline constexpr QStringView kFollowTipPlayRecording = u"播放录音（Tab）";
inline constexpr QStringView kFollowTipStartRecording = u"开始录音（↓）";
inline constexpr QStringView kFollowTipEndRecording = u"结束录音（↓）";
inline constexpr QStringView kFollowTipExit = u"退出（Esc）";

// Labels drawn into the toolbar pictures.
inline constexpr QStringView kFollowToolPrevious = u"上句";
inline constexpr QStringView kFollowToolNext = u"下句";
inline constexpr QStringView kFollowToolPlayReference = u"播放原声";
inline constexpr QStringView kFollowToolPlayRecording = u"播放录音";
inline constexpr QStringView kFollowToolStartRecording = u"开始录音";
inline constexpr QStringView kFollowToolEndRecording = u"结束录音";
inline constexpr QStringView kFollowToolExit = u"退出";

// Messages; %1 is the text of the failing code.
inline constexpr QStringView kNoCaptureDevice = u"找不到录音设备";
inline constexpr QStringView kPlayReferenceFailed = u"播放原声失败：\r\n%1";
inline constexpr QStringView kPlayRecordingFailed = u"播放录音失败：\r\n%1";
inline constexpr QStringView kNoDestination = u"请指定录音存放位置";
inline constexpr QStringView kRecordingFailed = u"录音失败：\r\n%1";
inline constexpr QStringView kFollowAborted = u"运行异常：\r\n%1";
inline constexpr QStringView kSelfOverwrite = u"请不要自我覆盖";

// Settings panel.
inline constexpr QStringView kFollowDeviceLabel = u"录音设备";
inline constexpr QStringView kFollowDestinationLabel = u"录音存放";
inline constexpr QStringView kFollowChooseDevice = u"选择录音设备…";
inline constexpr QStringView kFollowDeviceProperties = u"录音设备属性…";
inline constexpr QStringView kFollowBrowse = u"…";
inline constexpr QStringView kFollowAutoPlay = u"上下句切换时自动播放";

// Destination file dialog.
inline constexpr QStringView kFollowDestinationTitle = u"另存为";
inline constexpr QStringView kFollowDestinationFilter = u"MP3 files (*.mp3)";

// Device chooser and device properties dialogs.
inline constexpr QStringView kDeviceChooserTitle = u"选择录音设备";
inline constexpr QStringView kDeviceChooserLabel = u"选择录音设备：";
inline constexpr QStringView kFollowOk = u"确定";
inline constexpr QStringView kFollowCancel = u"取消";
inline constexpr QStringView kFollowClose = u"关闭";

} // namespace kw::text
