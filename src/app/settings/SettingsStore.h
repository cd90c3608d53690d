#pragma once

#include "Settings.h"

#include <QString>
#include <functional>

namespace kw {

// Shows a failure text to the user (the main window shows it as an error message box).
using MessageSink = std::function<void(const QString& text)>;

// options.ini in the settings folder.
QString settingsFilePath();

// Reads options.ini: missing keys take their defaults and out-of-range values are corrected. A
// file of 1 MiB or more is deleted; a file that exists but cannot be opened is reported through
// `showError`, and anything that cannot be read as text gives the defaults.
Settings loadSettings(const MessageSink& showError);

// Writes options.ini anew with the thirteen keys, replacing whatever stands in the way (a plain
// file where the folder belongs, a folder where the file belongs). The old file is replaced only
// once the new one is completely written; a failure is reported through `showError`.
void saveSettings(const Settings& settings, const MessageSink& showError);

// Removes a folder with everything in it; symbolic links are removed, not followed. Failures are
// ignored.
void deleteTree(const QString& folder);

} // namespace kw
