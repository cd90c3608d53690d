#pragma once

#include <QByteArrayView>
#include <QString>

namespace kw {

enum class VersionNews { None, NewVersion, Withdrawn };

// Bytes of the version check's answer that decide.
inline constexpr qsizetype kVersionAnswerBytes = 63;

// "_tell" at the very start: a newer version; "_must": this version is withdrawn.
VersionNews versionNewsFrom(QByteArrayView answer);

QString versionCheckPath();
QString usageReportPath(int osMajor, int osMinor);

struct OsVersion {
    int major = 0;
    int minor = 0;
};

// "6.1.0-18-amd64" -> 6.1; what cannot be read counts as 0.
OsVersion osVersionOf(QStringView kernelVersion);
// The running system's kernel version.
OsVersion currentOsVersion();

} // namespace kw
