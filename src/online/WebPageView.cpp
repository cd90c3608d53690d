#include "WebPageView.h"

#include "texts/OnlineTexts.h"

#include <QNetworkAccessManager>
#include <QStringDecoder>

namespace kw {

namespace {

constexpr QStringView kPagePath = u"zov/ad.htm";

QByteArray charsetOf(const QByteArray& contentType) {
    for (const QByteArray& part : contentType.split(';')) {
        const QByteArray item = part.trimmed();
        if (item.toLower().startsWith("charset="))
            return item.mid(8).trimmed().replace('"', "");
    }
    return {};
}

} // namespace

QString decodePage(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = charsetOf(contentType);
    if (!charset.isEmpty()) {
        QStringDecoder declared(charset.constData());
        if (declared.isValid())
            return declared.decode(body);
    }
    return QStringDecoder::decoderForHtml(body).decode(body);
}

WebPageView::WebPageView(QWidget* parent, ServerAddress server, RequestLimits limits)
    : QTextBrowser(parent) {
    setObjectName(QStringLiteral("ZOV_HTMLPage"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShadow(QFrame::Sunken);
    setPlaceholderText(text::kPagePlaceholder.toString());

    QNetworkAccessManager* network = makeNetworkAccess(this);
    auto* fetch =
        BoundedGet::start(*network, serverUrl(server, kPagePath), limits, limits.maxBodyBytes);
    connect(fetch, &BoundedGet::finished, this, [this](const HttpAnswer& answer) {
        const bool shown = answer.ok && !answer.body.isEmpty();
        if (shown)
            setHtml(decodePage(answer.body, answer.contentType));
        emit fetchEnded(shown);
    });
}

QVariant WebPageView::loadResource(int, const QUrl&) {
    return {};
}

} // namespace kw
