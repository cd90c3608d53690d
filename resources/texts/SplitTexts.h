#pragma once

// Texts of the sentence-splitting dialogs.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kSplitTitle = u"按句切割";
inline constexpr QStringView kSplitGroup = u"按句切割（包括字幕）";
inline constexpr QStringView kSplitStart = u"开始句：";
inline constexpr QStringView kSplitEnd = u"结束句：";
inline constexpr QStringView kSplitPerPiece = u"每几句一切割：";
inline constexpr QStringView kSplitNaming = u"命名方法：";
inline constexpr QStringView kSplitNamingRule = u"原文件名_四位序号";
inline constexpr QStringView kSplitFirstNumber = u"命名起始序号：";
inline constexpr QStringView kSplitFolder = u"存放于：";
inline constexpr QStringView kSplitFolderButton = u"…";
inline constexpr QStringView kSplitFolderHint = u"（应尽量不要含特殊字符）";
inline constexpr QStringView kSplitCutMode = u"切割点定位方式";
inline constexpr QStringView kSplitFrameMode = u"逐帧计算";
inline constexpr QStringView kSplitBitrateMode = u"位率估计";
inline constexpr QStringView kSplitCutModeHint = u"逐帧计算欠佳时，\r\n再尝试位率估计。";
inline constexpr QStringView kSplitOk = u"切割";
inline constexpr QStringView kSplitCancel = u"取消";
inline constexpr QStringView kSplitFolderChooser = u"切割出的片段存放于：";
// %1: the system's text for the error of creating the probe file.
inline constexpr QStringView kSplitProbeFailed =
    u"文件创建失败：\r\n%1\r\n\r\n（请检查您是否有目标文件夹的写入权限）";

// Title and text of the progress dialog.
inline constexpr QStringView kSplitRunning = u"按句切割中…";
// %1: the piece being cut, %2: the number of pieces.
inline constexpr QStringView kSplitProgressCount = u"%1 / %2";
inline constexpr QStringView kSplitAbort = u"终止";
inline constexpr QStringView kSplitDone = u"切割完成";
// Shown instead of kSplitDone when the tool failed on some pieces; %1: their names, one a line.
inline constexpr QStringView kSplitDoneWithFailures = u"切割完成，但以下片段切割失败：\r\n%1";

} // namespace kw::text
