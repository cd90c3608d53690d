#pragma once

#include <QString>

namespace kw {

// The warning chord for a rejected entry: played on a short-lived worker thread, so the caller
// never waits. An empty file, a file of 1 MiB or more, or a missing one plays nothing.
void playWarningSound(const QString& soundFile);

bool isPlayableWarningSound(const QString& soundFile);

} // namespace kw
