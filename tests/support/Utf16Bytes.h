#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

namespace kwtest {

// The bytes FF FE and the text in UTF-16 little-endian, as the program's own files are written.
inline QByteArray utf16LeWithMark(const QString& text) {
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(text));
}

} // namespace kwtest
