#include "FolderProbe.h"

#include <QDir>
#include <QFile>

namespace kw {

QString probeFolder(const QString& folder) {
    QFile probe(QDir(folder).filePath(QLatin1String(kProbeFileName)));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return probe.errorString();
    probe.close();
    probe.remove();
    return {};
}

} // namespace kw
