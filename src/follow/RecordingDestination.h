#pragma once

#include "subtitle/FileWriting.h"

#include <QString>

namespace kw {

// The destination of recordings for a name the user chose: ".mp3" is appended unless the name
// already ends so, in any letter case (take1 -> take1.mp3, take1.wav -> take1.wav.mp3).
QString recordingDestination(const QString& chosen);

// Whether recording into `destination` would destroy the loaded MP3: the same path in any
// letter case, or the same file reached by another path (a link, "..").
bool overwritesLoadedMp3(const QString& destination, const QString& mp3Path);

} // namespace kw
