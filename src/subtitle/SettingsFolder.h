#pragma once

#include <QString>

namespace kw {

// The per-user configuration folder: $XDG_CONFIG_HOME, or ~/.config when that is unset, empty or
// relative (a relative one would move with the working folder).
QString appDataFolder();

// The program's folder inside it; it holds options.ini and the per-file offset records.
QString settingsFolder();

} // namespace kw
