#include "RecordingDestination.h"

#include <QFile>
#include <QFileInfo>

namespace kw {

QString recordingDestination(const QString& chosen) {
    static const QString extension = QStringLiteral(".mp3");
    if (chosen.endsWith(extension, Qt::CaseInsensitive))
        return chosen;
    return chosen + extension;
}

bool overwritesLoadedMp3(const QString& destination, const QString& mp3Path) {
    if (destination.compare(mp3Path, Qt::CaseInsensitive) == 0)
        return true;
    const QString target = QFileInfo(destination).canonicalFilePath();
    return !target.isEmpty() && target == QFileInfo(mp3Path).canonicalFilePath();
}

} // namespace kw
