#include "BoundedGet.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace kw {

namespace {

// What the product's server has always been sent.
constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)";

class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

QNetworkRequest productRequest(const QUrl& url) {
    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", kUserAgent);
    request.setRawHeader("Accept", "*/*");
    request.setRawHeader("UA-CPU", "x86");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    // Compressed answers could expand far beyond what is read; ask for none.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // Redirects are followed here, to count them and keep the scheme.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    return request;
}

bool isRedirect(int status) {
    return status >= 300 && status < 400;
}

} // namespace

QNetworkAccessManager* makeNetworkAccess(QObject* parent) {
    auto* network = new QNetworkAccessManager(parent);
    network->setProxyFactory(new SystemProxyFactory);
    return network;
}

BoundedGet* BoundedGet::start(QNetworkAccessManager& network, const QUrl& url,
                              const RequestLimits& limits, qint64 wantedBytes) {
    return new BoundedGet(network, url, limits, wantedBytes);
}

BoundedGet::BoundedGet(QNetworkAccessManager& network, const QUrl& url, const RequestLimits& limits,
                       qint64 wantedBytes)
    : QObject(&network), network_(network),
      wanted_(std::clamp<qint64>(wantedBytes, 0, limits.maxBodyBytes)),
      redirectsLeft_(limits.maxRedirects) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { finish(false); });
    deadline_.start(limits.deadline);
    get(url);
}

void BoundedGet::get(const QUrl& url) {
    reply_ = network_.get(productRequest(url));
    // Qt buffers no more than is wanted; 0 would mean without limit.
    reply_->setReadBufferSize(std::max<qint64>(wanted_, 1));
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        if (isRedirect(status()))
            follow(reply_->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        else if (wanted_ == 0)
            finish(true);
    });
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        if (isRedirect(status()))
            return;
        readAvailable();
        if (body_.size() >= wanted_)
            finish(true);
    });
    connect(reply_, &QNetworkReply::finished, this, [this] {
        readAvailable();
        finish(reply_->error() == QNetworkReply::NoError);
    });
}

int BoundedGet::status() const {
    return reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

void BoundedGet::readAvailable() {
    if (done_)
        return;
    const qint64 room = wanted_ - body_.size();
    if (room > 0)
        body_ += reply_->read(room);
}

void BoundedGet::follow(const QUrl& target) {
    const QUrl next = reply_->url().resolved(target);
    if (!target.isValid() || next.scheme() != reply_->url().scheme() || redirectsLeft_ == 0) {
        finish(false);
        return;
    }
    --redirectsLeft_;
    drop(reply_);
    get(next);
}

void BoundedGet::drop(QNetworkReply* reply) {
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void BoundedGet::finish(bool completed) {
    if (done_)
        return;
    done_ = true;
    deadline_.stop();
    HttpAnswer answer;
    answer.ok = completed && status() >= 200 && status() < 300;
    if (answer.ok) {
        answer.body = body_;
        answer.contentType = reply_->rawHeader("Content-Type");
    }
    drop(reply_);
    emit finished(answer);
    deleteLater();
}

} // namespace kw
