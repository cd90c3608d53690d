#pragma once

#include "BoundedGet.h"
#include "ProductServer.h"

#include <QTextBrowser>

namespace kw {

// The product's page "zov/ad.htm" in the control panel. Fetched once, shown as rich text
// without scripts, images or navigation; greyed product name while it is empty.
class WebPageView : public QTextBrowser {
    Q_OBJECT
public:
    explicit WebPageView(QWidget* parent, ServerAddress server = productServer(),
                         RequestLimits limits = {});

signals:
    // The one fetch has ended; `shown` tells whether the page replaced the placeholder.
    void fetchEnded(bool shown);

protected:
    // Nothing beyond the page itself is loaded: no pictures, style sheets or local files.
    QVariant loadResource(int type, const QUrl& name) override;
};

// The page's text by its declared character set, else by its own markup, else UTF-8.
QString decodePage(const QByteArray& body, const QByteArray& contentType);

} // namespace kw
