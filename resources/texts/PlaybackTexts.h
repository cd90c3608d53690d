#pragma once

// Texts for media result codes, shown inside the callers' "…失败：\r\n%s" messages.
#include <QStringView>

namespace kw::text {

inline constexpr QStringView kResultOk = u"操作成功完成。";
inline constexpr QStringView kResultFail = u"未指定的错误。";
inline constexpr QStringView kResultUnexpected = u"意外的操作：播放器尚未载入文件。";
inline constexpr QStringView kResultInvalidArg = u"参数错误。";
inline constexpr QStringView kResultFileNotFound = u"系统找不到指定的文件。";
inline constexpr QStringView kResultAccessDenied = u"拒绝访问。";
inline constexpr QStringView kResultClassNotRegistered = u"没有注册类：缺少所需的 GStreamer 组件。";
inline constexpr QStringView kResultNotFound = u"找不到对象或名称。";
inline constexpr QStringView kResultCannotConnect = u"无法连接媒体组件。";
inline constexpr QStringView kResultNoAudioHardware =
    u"无法播放音频流：没有可用的音频硬件，或硬件不受支持。";
inline constexpr QStringView kResultUnsupportedStream = u"无法播放此文件：格式不受支持。";
inline constexpr QStringView kResultRuntimeError = u"发生运行时错误。";
inline constexpr QStringView kResultTimeout = u"操作超时。";
// %1: the code as eight hexadecimal digits.
inline constexpr QStringView kResultUnknown = u"未知错误（0x%1）。";

// Prefixes of errors reported by GStreamer, followed by "：" and GStreamer's own message.
inline constexpr QStringView kMediaErrorCore = u"GStreamer 内部错误";
inline constexpr QStringView kMediaErrorLibrary = u"GStreamer 库错误";
inline constexpr QStringView kMediaErrorResource = u"媒体资源错误";
inline constexpr QStringView kMediaErrorStream = u"媒体流错误";

} // namespace kw::text
