#pragma once

#include <QString>

namespace kw {

// Name of the file created and removed to learn whether a folder takes new files.
inline constexpr char kProbeFileName[] = "Kelpwhistle_splt_test";

// Creates and removes the probe file in folder: an empty string when that worked, otherwise
// the system's text for why the file could not be created.
QString probeFolder(const QString& folder);

} // namespace kw
