#pragma once

#include <QString>
#include <cstdint>

namespace kw {

// 32-bit result of a media operation: 0 success, negative failure (HRESULT-style values, so the
// codes callers already know keep their numbers).
using ResultCode = std::int32_t;

constexpr bool failed(ResultCode code) {
    return code < 0;
}

namespace result {

constexpr ResultCode fromBits(std::uint32_t bits) {
    return static_cast<ResultCode>(bits);
}

inline constexpr ResultCode kOk = 0;
// Success without doing anything (a device without a property list).
inline constexpr ResultCode kNothing = 1;
inline constexpr ResultCode kFail = fromBits(0x80004005);
inline constexpr ResultCode kUnexpected = fromBits(0x8000FFFF);
inline constexpr ResultCode kInvalidArg = fromBits(0x80070057);
inline constexpr ResultCode kFileNotFound = fromBits(0x80070002);
inline constexpr ResultCode kAccessDenied = fromBits(0x80070005);
// A media element that is not installed.
inline constexpr ResultCode kClassNotRegistered = fromBits(0x80040154);
inline constexpr ResultCode kNotFound = fromBits(0x80040216);
inline constexpr ResultCode kCannotConnect = fromBits(0x80040217);
inline constexpr ResultCode kNoAudioHardware = fromBits(0x80040256);
inline constexpr ResultCode kUnsupportedStream = fromBits(0x80040265);
inline constexpr ResultCode kRuntimeError = fromBits(0x8004020B);
inline constexpr ResultCode kTimeout = fromBits(0x800705B4);

// Errors GStreamer reports carry their domain and code in the low 16 bits of this family.
inline constexpr std::uint32_t kMediaErrorFamily = 0x8A470000;
enum class MediaErrorDomain : std::uint32_t { Core = 1, Library = 2, Resource = 3, Stream = 4 };
ResultCode mediaError(MediaErrorDomain domain, int code);

} // namespace result

// The text for a code: a Chinese text for the known codes, GStreamer's own message (after a
// Chinese prefix) for errors it reported, at most 255 characters.
QString resultText(ResultCode code);

// Keeps GStreamer's message for an error code so that resultText can show it; the latest
// message for a code wins. Safe from any thread.
void rememberMediaErrorMessage(ResultCode code, const QString& message);

} // namespace kw
