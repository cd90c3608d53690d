#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kw {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString dataFilePath(const QString& name) {
    const QDir folder(programFolder());
    const QString beside = folder.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral("../share/kelpwhistle/") + name));
    return QFileInfo::exists(installed) ? installed : beside;
}

QString findTool(const QString& name) {
    const QString found = QStandardPaths::findExecutable(name, {programFolder()});
    return found.isEmpty() ? QStandardPaths::findExecutable(name) : found;
}

} // namespace kw
