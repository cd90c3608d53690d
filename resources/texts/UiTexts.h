#pragma once

// Texts of the subtitle list, the editing dialogs and the control panel.
#include <QStringView>

namespace kw::text {

// Subtitle list: column headers, pointer mark and context menu.
inline constexpr QStringView kColTime = u"字幕时间";
inline constexpr QStringView kColPointer = u"指针";
inline constexpr QStringView kColSentenceNo = u"句序";
inline constexpr QStringView kColText = u"文本";
inline constexpr QStringView kPointerMark = u"▼▼";
inline constexpr QStringView kMenuCopy = u"复制字幕 \t Ctrl+C";
inline constexpr QStringView kMenuJump = u"跳到此行 \t Dbclick";
inline constexpr QStringView kMenuEdit = u"编辑字幕…";
inline constexpr QStringView kMenuAdjustTime = u"调整字幕时间…";

// Dialog buttons.
inline constexpr QStringView kOk = u"确定";
inline constexpr QStringView kCancel = u"取消";

// Shared by the two line dialogs.
inline constexpr QStringView kLineNumber = u"行号：";

// Edit subtitle dialog.
inline constexpr QStringView kEditTitle = u"编辑字幕";
inline constexpr QStringView kEditLabel = u"编辑字幕：";

// Adjust subtitle time dialog.
inline constexpr QStringView kAdjustTitle = u"调整字幕时间";
inline constexpr QStringView kAdjustLabel = u"调整字幕时间：";
inline constexpr QStringView kAdjustRuleOrder = u"1. 上行时间<当前时间<下行时间";
inline constexpr QStringView kAdjustRuleFormat = u"2. 严格的格式要求 mm:ss.xx";
inline constexpr QStringView kAdjustMinutes = u"mm：分";
inline constexpr QStringView kAdjustSeconds = u"ss：秒(00~59)";
inline constexpr QStringView kAdjustHundredths = u"xx：百分之一秒(00-99)";
inline constexpr QStringView kAdjustRight = u"对：02:02.02";
inline constexpr QStringView kAdjustWrong = u"错：2:2.2";

// Repeat count dialog.
inline constexpr QStringView kRepeatTitle = u"每句读几遍";
inline constexpr QStringView kRepeatLabel = u"每句读几遍：";
inline constexpr QStringView kRepeatRange = u"（0~9）";
inline constexpr QStringView kRepeatEndless = u"“0”表示无数遍";

// Subtitle offset dialog.
inline constexpr QStringView kOffsetTitle = u"微调字幕偏移";
inline constexpr QStringView kOffsetLabel = u"调整字幕偏移：";
inline constexpr QStringView kOffsetUnit = u"（毫秒）";
inline constexpr QStringView kOffsetPositive = u"正：字幕提前";
inline constexpr QStringView kOffsetNegative = u"负：字幕延后";
// Offset display of the control panel; %1 is the offset's magnitude.
inline constexpr QStringView kOffsetEarlier = u"提前%1毫秒";
inline constexpr QStringView kOffsetLater = u"延后%1毫秒";
inline constexpr QStringView kOffsetNone = u"0";

// Control panel.
inline constexpr QStringView kModeLabel = u"断句方式：";
inline constexpr QStringView kModeHint = u"一句话可能包含中英文两行字幕";
inline constexpr QStringView kModeOneLine = u"一行为一句";
inline constexpr QStringView kModePairsFromFirst = u"两行为一句（奇数行为句头）";
inline constexpr QStringView kModePairsFromSecond = u"两行为一句（偶数行为句头）";
inline constexpr QStringView kVolumeLabel = u"音量：";
inline constexpr QStringView kMute = u"静音";
inline constexpr QStringView kChange = u"修改…";
inline constexpr QStringView kFileLoop = u"文件循环播放";

} // namespace kw::text
