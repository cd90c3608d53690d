#include "playback/ResultCode.h"

#include "texts/PlaybackTexts.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace kw {

namespace {

constexpr qsizetype kMaxTextLength = 255;

struct KnownText {
    ResultCode code;
    QStringView text;
};

constexpr KnownText kKnownTexts[] = {
    {result::kOk, text::kResultOk},
    {result::kFail, text::kResultFail},
    {result::kUnexpected, text::kResultUnexpected},
    {result::kInvalidArg, text::kResultInvalidArg},
    {result::kFileNotFound, text::kResultFileNotFound},
    {result::kAccessDenied, text::kResultAccessDenied},
    {result::kClassNotRegistered, text::kResultClassNotRegistered},
    {result::kNotFound, text::kResultNotFound},
    {result::kCannotConnect, text::kResultCannotConnect},
    {result::kNoAudioHardware, text::kResultNoAudioHardware},
    {result::kUnsupportedStream, text::kResultUnsupportedStream},
    {result::kRuntimeError, text::kResultRuntimeError},
    {result::kTimeout, text::kResultTimeout},
};

struct MessageStore {
    QMutex mutex;
    QHash<ResultCode, QString> messages;
};

MessageStore& messageStore() {
    static MessageStore store;
    return store;
}

QStringView domainPrefix(std::uint32_t domain) {
    switch (static_cast<result::MediaErrorDomain>(domain)) {
    case result::MediaErrorDomain::Core:
        return text::kMediaErrorCore;
    case result::MediaErrorDomain::Library:
        return text::kMediaErrorLibrary;
    case result::MediaErrorDomain::Resource:
        return text::kMediaErrorResource;
    case result::MediaErrorDomain::Stream:
        return text::kMediaErrorStream;
    }
    return {};
}

QString mediaErrorText(ResultCode code) {
    const auto bits = static_cast<std::uint32_t>(code);
    if ((bits & 0xFFFF0000u) != result::kMediaErrorFamily)
        return {};
    const QStringView prefix = domainPrefix((bits >> 12) & 0xFu);
    if (prefix.isEmpty())
        return {};
    MessageStore& store = messageStore();
    QMutexLocker lock(&store.mutex);
    const QString message = store.messages.value(code);
    QString text = prefix.toString();
    if (message.isEmpty())
        text += u'。';
    else
        text += u'：' + message;
    return text;
}

} // namespace

ResultCode result::mediaError(MediaErrorDomain domain, int code) {
    const auto low = static_cast<std::uint32_t>(code) & 0xFFFu;
    return fromBits(kMediaErrorFamily | (static_cast<std::uint32_t>(domain) << 12) | low);
}

void rememberMediaErrorMessage(ResultCode code, const QString& message) {
    MessageStore& store = messageStore();
    QMutexLocker lock(&store.mutex);
    store.messages.insert(code, message);
}

QString resultText(ResultCode code) {
    for (const KnownText& known : kKnownTexts) {
        if (known.code == code)
            return known.text.toString();
    }
    QString text = mediaErrorText(code);
    if (text.isEmpty()) {
        const auto bits = static_cast<std::uint32_t>(code);
        const QString hex = QString::number(bits, 16).toUpper().rightJustified(8, u'0');
        text = text::kResultUnknown.toString().arg(hex);
    }
    return text.left(kMaxTextLength);
}

} // namespace kw
