#include "OffsetStore.h"

#include "FileWriting.h"
#include "SettingsFolder.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <algorithm>

namespace kw {
namespace {

// The System V ABI's symbol hash.
std::uint32_t elfHash(const QByteArray& text) {
    std::uint32_t h = 0;
    for (const char c : text) {
        h = (h << 4) + static_cast<unsigned char>(c);
        const std::uint32_t g = h & 0xF0000000u;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h;
}

QString recordPath(const FileDigest& digest) {
    return QDir(settingsFolder()).filePath(offsetFileName(digest));
}

} // namespace

bool digestFile(const QString& path, FileDigest& digest) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!md5.addData(&file))
        return false;
    const QByteArray result = md5.result();
    std::copy(result.begin(), result.end(), digest.begin());
    return true;
}

QString offsetFileName(const FileDigest& digest) {
    const QByteArray bytes(reinterpret_cast<const char*>(digest.data()),
                           static_cast<qsizetype>(digest.size()));
    return QString::number(elfHash(bytes.toBase64()));
}

std::int32_t readOffset(const FileDigest& digest) {
    QFile file(recordPath(digest));
    std::uint32_t value = 0;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(4);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            value |= std::uint32_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    }
    return std::clamp(static_cast<std::int32_t>(value), -kMaxOffsetMs, kMaxOffsetMs);
}

void writeOffset(const FileDigest& digest, std::int32_t offsetMs) {
    const QString path = recordPath(digest);
    createFolders(path);
    const auto value = static_cast<std::uint32_t>(offsetMs);
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    writeFileAtomically(path, QByteArrayView(bytes, 4));
}

} // namespace kw
