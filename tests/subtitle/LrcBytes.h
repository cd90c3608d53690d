#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

namespace kwtest {

enum class Encoding { Utf16Le, Utf16Be, Utf8Signature, Utf8, Gb18030 };

// The bytes of an LRC file in the given encoding, with the matching mark where it has one.
inline QByteArray encodeLrc(const QString& text, Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf16Le: {
        QStringEncoder e(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE", 2) + QByteArray(e.encode(text));
    }
    case Encoding::Utf16Be: {
        QStringEncoder e(QStringEncoder::Utf16BE);
        return QByteArray("\xFE\xFF", 2) + QByteArray(e.encode(text));
    }
    case Encoding::Utf8Signature:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Gb18030: {
        QStringEncoder e("GB18030");
        return e.encode(text);
    }
    }
    return {};
}

} // namespace kwtest
