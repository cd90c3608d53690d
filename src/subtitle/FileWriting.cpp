#include "FileWriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace kw {
namespace {

// The error number of the call that just failed; Qt does not report one, but leaves errno set
// by the failing system call.
int lastErrorNumber() {
    return errno != 0 ? errno : EIO;
}

} // namespace

QByteArray utf16LeWithMark(QStringView text) {
    QByteArray bytes;
    bytes.reserve(2 + 2 * text.size());
    bytes.append('\xFF').append('\xFE');
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

int writeFileAtomically(const QString& path, QByteArrayView bytes) {
    makeWritable(path);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return lastErrorNumber();
    // QSaveFile alone can commit a short file on a full disk: every step is checked, and the
    // temporary file is dropped on any failure so the old file stays as it was.
    errno = 0;
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() || !file.commit()) {
        const int error = lastErrorNumber();
        file.cancelWriting();
        return error;
    }
    return 0;
}

void makeWritable(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && !(info.permissions() & QFileDevice::WriteOwner))
        QFile::setPermissions(path, info.permissions() | QFileDevice::WriteOwner);
}

QString errorText(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

void createFolders(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
}

} // namespace kw
