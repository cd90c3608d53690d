#pragma once

#include <QPixmap>
#include <array>

namespace kw::pictures {

// The follow-read toolbar's pictures, 50 x 32 each, with their labels drawn in: previous, next,
// play reference, play recording, record, exit. The two strips differ only in the record
// picture: a red circle "开始录音" while idle, a red square "结束录音" while recording.
inline constexpr int kFollowPictureWidth = 50;
inline constexpr int kFollowPictureHeight = 32;
inline constexpr std::size_t kFollowPictureCount = 6;

enum class FollowStrip { Idle, Recording };

using FollowPictureStrip = std::array<QPixmap, kFollowPictureCount>;
const FollowPictureStrip& followStrip(FollowStrip strip);

} // namespace kw::pictures
