#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kw {

enum class StartupProblem { None, FilesMissing, InstallationDamaged, MediaSystemDamaged };

// The external tools the program runs: repair, then split.
QStringList companionTools();

// FilesMissing when a companion tool cannot be found by `findTool`.
StartupProblem checkCompanionTools(const std::function<QString(const QString&)>& findTool);

// The media elements the player needs: the decoder and the preferred parser first (their lack
// means a damaged installation), then the rest of the playback chain (a damaged media system).
// `elementExists` is asked in that order; the first missing one decides.
StartupProblem checkMediaComponents(const std::function<bool(const char*)>& elementExists);

// Whether GStreamer can make the named element.
bool gstElementExists(const char* factoryName);

// The message for a problem, empty for None.
QString startupProblemText(StartupProblem problem);

} // namespace kw
