#include "WebPages.h"

#include "online/ProductServer.h"

namespace kw {

QUrl sitePageUrl(const QString& sitePath) {
    return serverUrl(productServer(), sitePath);
}

} // namespace kw
