#include "ProductServer.h"

namespace kw {

namespace {

constexpr QStringView kProductHost = u"www.kelpwhistle.com";
constexpr QStringView kDownloadPath = u"zov/download.htm";

} // namespace

ServerAddress productServer() {
    return {kProductHost.toString(), 80};
}

QUrl serverUrl(const ServerAddress& server, QStringView pathAndQuery) {
    QUrl root;
    root.setScheme(QStringLiteral("http"));
    root.setHost(server.host);
    root.setPort(server.port);
    return root.resolved(QUrl(pathAndQuery.toString()));
}

QUrl downloadPageUrl() {
    return serverUrl(productServer(), kDownloadPath);
}

} // namespace kw
