#pragma once

#include <QByteArrayView>
#include <QString>

namespace kw {

// Decides the encoding of subtitle bytes (UTF-16 with either mark, UTF-8 with or without
// signature, otherwise GB18030, which contains GBK and GB2312) and converts them. The bytes are
// read up to their first zero (zero unit for UTF-16), as the file buffer is zero-terminated.
QString decodeText(QByteArrayView bytes);

// True unless the bytes break the UTF-8 rules for sequences of at most three bytes; a sequence
// cut off by the end of the input is accepted.
bool looksLikeUtf8(QByteArrayView bytes);

// Every line end (CR LF, lone CR, lone LF) becomes CR LF.
QString normalizeLineEnds(QStringView text);

} // namespace kw
