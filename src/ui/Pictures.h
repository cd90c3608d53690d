#pragma once

#include <QIcon>
#include <QPixmap>

namespace kw::pictures {

// The artwork is drawn in code so that it scales with the device pixel ratio and needs no files.

// 64 x 64: a round play button on white, shown on the display panel while not playing.
const QPixmap& playPicture();
// 114 x 77: the shortcut-key table shown while no file is loaded.
const QPixmap& keyChart();

// The toolbar pictures, 48 x 16 each, in toolbar order.
enum class ToolbarPicture { Open, Play, Pause, Stop, Previous, Next, Repeat, FollowRead };
QIcon toolbarIcon(ToolbarPicture picture);

QIcon programIcon();

} // namespace kw::pictures
