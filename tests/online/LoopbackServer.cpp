#include "LoopbackServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace kwtest {

namespace {

QByteArray response(const QByteArray& body, int status, const QByteArray& extraHeaders) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Status\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + body;
}

ReceivedRequest parse(const QByteArray& head) {
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray& line : lines)
        line = line.trimmed();
    lines.removeAll(QByteArray());
    ReceivedRequest request;
    request.line = lines.value(0);
    request.headers = lines.mid(1);
    return request;
}

} // namespace

QByteArray ReceivedRequest::header(QByteArrayView name) const {
    for (const QByteArray& field : headers) {
        const qsizetype colon = field.indexOf(':');
        if (colon > 0 && field.first(colon).compare(name, Qt::CaseInsensitive) == 0)
            return field.mid(colon + 1).trimmed();
    }
    return {};
}

LoopbackServer::LoopbackServer(Responder responder) : responder_(std::move(responder)) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackServer::accept);
}

kw::ServerAddress LoopbackServer::address() const {
    return {QStringLiteral("127.0.0.1"), server_.serverPort()};
}

void LoopbackServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections_;
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            *received += socket->readAll();
            const qsizetype end = received->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            requests_.append(parse(received->left(end)));
            received->remove(0, end + 4);
            responder_(*socket, requests_.last());
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

LoopbackServer::Responder LoopbackServer::answer(QByteArray body, int status,
                                                 QByteArray extraHeaders) {
    return [=](QTcpSocket& socket, const ReceivedRequest&) {
        socket.write(response(body, status, extraHeaders));
        socket.disconnectFromHost();
    };
}

LoopbackServer::Responder LoopbackServer::silent() {
    return [](QTcpSocket&, const ReceivedRequest&) {
    };
}

LoopbackServer::Responder LoopbackServer::trickle(std::chrono::milliseconds interval) {
    return [=](QTcpSocket& socket, const ReceivedRequest&) {
        auto bytes = std::make_shared<QByteArray>(response("_tell", 200, {}));
        auto* timer = new QTimer(&socket);
        connect(timer, &QTimer::timeout, &socket, [&socket, bytes] {
            if (!bytes->isEmpty()) {
                socket.write(bytes->left(1));
                bytes->remove(0, 1);
            }
        });
        timer->start(interval);
    };
}

kw::ServerAddress closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return {QStringLiteral("127.0.0.1"), port};
}

} // namespace kwtest
