#pragma once

// Texts of opening, closing and repairing an MP3.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kMp3Filter = u"MP3 files (*.mp3)";
inline constexpr QStringView kMissingSubtitles =
    u"缺少同名字幕文件：\r\n%1\r\n\r\n（请到官网下载含字幕的听力资料）";
inline constexpr QStringView kSubtitlesUnreadable = u"读取字幕文件失败：\r\n%1";
inline constexpr QStringView kSubtitlesInvalid = u"字幕文件内容有误：\r\n%1";
inline constexpr QStringView kLoadFailed = u"载入失败：\r\n%1";
inline constexpr QStringView kSaveQuestion = u"是否保存对字幕所做的修改？\r\n%1";
inline constexpr QStringView kSaveFailed =
    u"字幕保存失败：\r\n%1\r\n\r\n（请检查您是否有目标文件夹的写入权限）";
inline constexpr QStringView kRepairing = u"正在修复mp3文件…";

} // namespace kw::text
