#pragma once

// Texts of the online services: the new-version dialog and the embedded page.
#include <QStringView>

namespace kw::text {

// Title and heading of the new-version dialog.
inline constexpr QStringView kNewVersionTitle = u"Kelpwhistle 新版发布";
inline constexpr QStringView kNewVersionPublished = u"已发布新版本";
inline constexpr QStringView kVersionWithdrawn = u"此版本已经被废弃";
inline constexpr QStringView kDownloadLatest = u"下载最新版";
inline constexpr QStringView kCancel = u"取消";
// Shown greyed in the embedded page while it is empty (not fetched, or unreachable).
inline constexpr QStringView kPagePlaceholder = u"Kelpwhistle";

} // namespace kw::text
