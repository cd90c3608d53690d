#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

namespace kw {

// Bounds that hold whatever the server does.
struct RequestLimits {
    std::chrono::milliseconds deadline{10'000};
    qint64 maxBodyBytes = 64 * 1024;
    int maxRedirects = 3;
};

struct HttpAnswer {
    // A 2xx answer; anything else (refused, timed out, 404, bad redirect) is a failure.
    bool ok = false;
    // The body's first bytes, at most the number asked for.
    QByteArray body;
    QByteArray contentType;
};

// A network access that uses the system's proxy settings and keeps no cache.
QNetworkAccessManager* makeNetworkAccess(QObject* parent);

// One GET with the product's request headers. It ends exactly once, with `finished`, within
// the deadline, having read at most min(wantedBytes, maxBodyBytes) of the body; then it
// deletes itself (or goes earlier, with the network access). Redirects are followed at most
// maxRedirects times and only to the same scheme.
class BoundedGet : public QObject {
    Q_OBJECT
public:
    static BoundedGet* start(QNetworkAccessManager& network, const QUrl& url,
                             const RequestLimits& limits, qint64 wantedBytes);

signals:
    void finished(const kw::HttpAnswer& answer);

private:
    BoundedGet(QNetworkAccessManager& network, const QUrl& url, const RequestLimits& limits,
               qint64 wantedBytes);
    void get(const QUrl& url);
    int status() const;
    void readAvailable();
    void follow(const QUrl& target);
    void drop(QNetworkReply* reply);
    void finish(bool completed);

    QNetworkAccessManager& network_;
    QNetworkReply* reply_ = nullptr;
    QTimer deadline_;
    qint64 wanted_ = 0;
    int redirectsLeft_ = 0;
    QByteArray body_;
    bool done_ = false;
};

} // namespace kw
