#include "StartupChecks.h"

#include "texts/AppTexts.h"

#include <gst/gst.h>

namespace kw {
namespace {

constexpr const char* kInstallationElements[] = {"mpg123audiodec", "mpegaudioparse"};
constexpr const char* kMediaSystemElements[] = {"parsebin",      "filesrc", "audioconvert",
                                                "audioresample", "volume",  "audiopanorama"};

} // namespace

QStringList companionTools() {
    return {QStringLiteral("mp3val"), QStringLiteral("mp3splt")};
}

StartupProblem checkCompanionTools(const std::function<QString(const QString&)>& findTool) {
    for (const QString& tool : companionTools())
        if (findTool(tool).isEmpty())
            return StartupProblem::FilesMissing;
    return StartupProblem::None;
}

StartupProblem checkMediaComponents(const std::function<bool(const char*)>& elementExists) {
    for (const char* element : kInstallationElements)
        if (!elementExists(element))
            return StartupProblem::InstallationDamaged;
    for (const char* element : kMediaSystemElements)
        if (!elementExists(element))
            return StartupProblem::MediaSystemDamaged;
    return StartupProblem::None;
}

bool gstElementExists(const char* factoryName) {
    GstElementFactory* factory = gst_element_factory_find(factoryName);
    if (!factory)
        return false;
    gst_object_unref(factory);
    return true;
}

QString startupProblemText(StartupProblem problem) {
    switch (problem) {
    case StartupProblem::FilesMissing:
        return text::kFilesMissing.toString();
    case StartupProblem::InstallationDamaged:
        return text::kInstallationDamaged.toString();
    case StartupProblem::MediaSystemDamaged:
        return text::kMediaSystemDamaged.toString();
    case StartupProblem::None:
        break;
    }
    return {};
}

} // namespace kw
