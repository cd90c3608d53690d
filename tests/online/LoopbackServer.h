#pragma once

#include "online/ProductServer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <chrono>
#include <functional>

class QTcpSocket;

namespace kwtest {

// One request as it arrived: the request line and the header lines.
struct ReceivedRequest {
    QByteArray line;
    QList<QByteArray> headers;

    QByteArray path() const { return line.split(' ').value(1); }
    // The value of the first header of that name, or a null array.
    QByteArray header(QByteArrayView name) const;
};

// An HTTP server on 127.0.0.1 at a free port; every request gets the responder's answer.
class LoopbackServer : public QObject {
    Q_OBJECT
public:
    using Responder = std::function<void(QTcpSocket&, const ReceivedRequest&)>;

    explicit LoopbackServer(Responder responder);

    kw::ServerAddress address() const;
    const QList<ReceivedRequest>& requests() const { return requests_; }
    int connections() const { return connections_; }

    // A complete answer, then the connection is closed.
    static Responder answer(QByteArray body, int status = 200, QByteArray extraHeaders = {});
    // Accepts and reads the request, then says nothing.
    static Responder silent();
    // A whole "_tell" answer, one byte per interval.
    static Responder trickle(std::chrono::milliseconds interval);

private:
    void accept();

    QTcpServer server_;
    Responder responder_;
    QList<ReceivedRequest> requests_;
    int connections_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
kw::ServerAddress closedPort();

} // namespace kwtest
