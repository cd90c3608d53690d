#pragma once

#include <QString>
#include <QUrl>

namespace kw {

// Pages of the product's web site, opened in the default browser.
namespace site {
inline const QString kMaterials = QStringLiteral("zov/res.htm");
inline const QString kFaq = QStringLiteral("zov/faq.htm");
inline const QString kHome = QStringLiteral("zov/");
inline const QString kBlog = QStringLiteral("zov/blog.htm");
inline const QString kAudioEditors = QStringLiteral("zov/tools.htm#audio");
inline const QString kLrcEditors = QStringLiteral("zov/tools.htm#lrc");
} // namespace site

// The full address of a page of the product's web site.
QUrl sitePageUrl(const QString& sitePath);

} // namespace kw
