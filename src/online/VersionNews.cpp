#include "VersionNews.h"

#include "texts/CommonTexts.h"

#include <QList>
#include <QSysInfo>
#include <algorithm>

namespace kw {

VersionNews versionNewsFrom(QByteArrayView answer) {
    const QByteArrayView head = answer.first(std::min(answer.size(), kVersionAnswerBytes));
    if (head.startsWith("_tell"))
        return VersionNews::NewVersion;
    if (head.startsWith("_must"))
        return VersionNews::Withdrawn;
    return VersionNews::None;
}

QString versionCheckPath() {
    return QStringLiteral("zov/ver.php?ver=%1").arg(text::kVersion);
}

QString usageReportPath(int osMajor, int osMinor) {
    return QStringLiteral("zov/usageLog.php?ver=%1&os=%2.%3")
        .arg(text::kVersion)
        .arg(osMajor)
        .arg(osMinor);
}

OsVersion osVersionOf(QStringView kernelVersion) {
    const auto number = [](QStringView part) {
        qsizetype digits = 0;
        while (digits < part.size() && part[digits].isDigit())
            ++digits;
        return part.first(digits).toInt();
    };
    const auto parts = kernelVersion.split(u'.');
    return {number(parts.value(0)), parts.size() > 1 ? number(parts[1]) : 0};
}

OsVersion currentOsVersion() {
    return osVersionOf(QSysInfo::kernelVersion());
}

} // namespace kw
