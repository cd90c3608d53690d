#include "TextDecoding.h"

#include <QStringDecoder>

namespace kw {
namespace {

bool isContinuation(unsigned char b) {
    return b >= 0x80 && b <= 0xBF;
}

// UTF-16 units after a two-byte mark, up to the first zero unit. An odd last byte pairs with the
// zero that always follows the data.
QString decodeUtf16(QByteArrayView bytes, bool bigEndian) {
    QString text(bytes.size() / 2 + 1, Qt::Uninitialized);
    QChar* write = text.data();
    for (qsizetype i = 2; i < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const char16_t unit =
            bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
        if (unit == 0)
            break;
        *write++ = QChar(unit);
    }
    text.truncate(write - text.data());
    return text;
}

QByteArrayView upToZero(QByteArrayView bytes) {
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.first(zero);
}

QString decodeLegacy(QByteArrayView bytes) {
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return {};
    return decoder.decode(bytes);
}

} // namespace

bool looksLikeUtf8(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
        } else if (b <= 0xBF || b >= 0xF0) {
            return false;
        } else if (b <= 0xDF) {
            if (i + 1 >= n)
                return true;
            if (!isContinuation(static_cast<unsigned char>(bytes[i + 1])))
                return false;
            i += 2;
        } else {
            if (i + 2 >= n)
                return true;
            if (!isContinuation(static_cast<unsigned char>(bytes[i + 1])) ||
                !isContinuation(static_cast<unsigned char>(bytes[i + 2])))
                return false;
            i += 3;
        }
    }
    return true;
}

QString decodeText(QByteArrayView bytes) {
    const auto byteAt = [&](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    if (byteAt(0) == 0xFF && byteAt(1) == 0xFE)
        return decodeUtf16(bytes, false);
    if (byteAt(0) == 0xFE && byteAt(1) == 0xFF)
        return decodeUtf16(bytes, true);
    if (byteAt(0) == 0xEF && byteAt(1) == 0xBB)
        return QString::fromUtf8(upToZero(bytes.size() > 3 ? bytes.sliced(3) : QByteArrayView()));
    const QByteArrayView text = upToZero(bytes);
    if (looksLikeUtf8(text))
        return QString::fromUtf8(text);
    return decodeLegacy(text);
}

QString normalizeLineEnds(QStringView text) {
    const qsizetype n = text.size();
    QString out(2 * n, Qt::Uninitialized);
    const QChar* in = text.data();
    QChar* write = out.data();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = in[i];
        if (c == u'\r' || c == u'\n') {
            *write++ = u'\r';
            *write++ = u'\n';
            if (c == u'\r' && i + 1 < n && in[i + 1] == u'\n')
                ++i;
        } else {
            *write++ = c;
        }
    }
    out.truncate(write - out.data());
    return out;
}

} // namespace kw
