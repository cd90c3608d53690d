#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

namespace kw {

// Where the online services go: plain HTTP to one host and port.
struct ServerAddress {
    QString host;
    quint16 port = 80;
};

// The product's web server, the only one the program itself talks to.
ServerAddress productServer();

// http://host:port/ followed by a path with its query, as in "zov/ver.php?ver=2.7.8".
QUrl serverUrl(const ServerAddress& server, QStringView pathAndQuery);

// The page "下载最新版" opens in the default browser.
QUrl downloadPageUrl();

} // namespace kw
