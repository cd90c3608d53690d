#include "SettingsStore.h"

#include "IniSection.h"
#include "SettingsKeys.h"
#include "subtitle/FileWriting.h"
#include "subtitle/SettingsFolder.h"
#include "subtitle/TextDecoding.h"
#include "texts/SettingsTexts.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace kw {
namespace {

namespace key = settings_key;

// A settings file this large is not ours: it is deleted rather than read.
constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr int kVolumeShift = 10000;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads the file's bytes; false with errno set when it cannot be opened.
bool readFile(const QString& path, QByteArray& bytes) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(
        std::fopen(QFile::encodeName(path).constData(), "rb"));
    if (!file)
        return false;
    bytes.resize(kMaxFileBytes);
    const std::size_t got =
        std::fread(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), file.get());
    bytes.truncate(static_cast<qsizetype>(got));
    return true;
}

int checkedVolume(std::int32_t stored) {
    const std::int64_t level = std::int64_t{stored} - kVolumeShift;
    return level > 0 || level < -10000 ? Settings{}.volume : static_cast<int>(level);
}

int zeroUnlessWithin(int value, int low, int high) {
    return value < low || value > high ? 0 : value;
}

Settings settingsFrom(const IniSection& ini) {
    const Settings d;
    Settings s;
    s.bMute = ini.intValue(key::kBMute, d.bMute);
    s.volume = checkedVolume(ini.intValue(key::kVolume, d.volume + kVolumeShift));
    s.bFileLoopPlay = ini.intValue(key::kBFileLoopPlay, d.bFileLoopPlay);
    s.lrcMode = zeroUnlessWithin(ini.intValue(key::kLrcMode, d.lrcMode), 0, 2);
    s.totalCount = std::clamp(ini.intValue(key::kTotalCount, d.totalCount), 0, 9);
    s.fs = zeroUnlessWithin(ini.intValue(key::kFs, d.fs), 0, 2);
    s.w_msx = std::clamp(ini.intValue(key::kWMsx, d.w_msx), 35, 200);
    s.w_pointer = std::clamp(ini.intValue(key::kWPointer, d.w_pointer), 35, 200);
    s.w_senno = std::clamp(ini.intValue(key::kWSenno, d.w_senno), 35, 200);
    s.w_text = std::clamp(ini.intValue(key::kWText, d.w_text), 200, 2048);
    s.follow_bAutoPlay = ini.intValue(key::kFollowBAutoPlay, d.follow_bAutoPlay);
    s.follow_aDevId = ini.intValue(key::kFollowADevId, d.follow_aDevId);
    s.follow_destFile =
        ini.value(key::kFollowDestFile).value_or(d.follow_destFile).left(kMaxDestFileLength);
    return s;
}

QString iniText(const Settings& s) {
    QString text;
    text += QChar(u'[');
    text += key::kSection;
    text += u"]\r\n";
    const auto add = [&text](QStringView name, const QString& value) {
        text += name;
        text += QChar(u'=');
        text += value;
        text += u"\r\n";
    };
    add(key::kBMute, QString::number(s.bMute));
    add(key::kBFileLoopPlay, QString::number(s.bFileLoopPlay));
    add(key::kVolume, QString::number(s.volume + kVolumeShift));
    add(key::kLrcMode, QString::number(s.lrcMode));
    add(key::kTotalCount, QString::number(s.totalCount));
    add(key::kFs, QString::number(s.fs));
    add(key::kWMsx, QString::number(s.w_msx));
    add(key::kWPointer, QString::number(s.w_pointer));
    add(key::kWSenno, QString::number(s.w_senno));
    add(key::kWText, QString::number(s.w_text));
    add(key::kFollowDestFile, s.follow_destFile);
    add(key::kFollowADevId, QString::number(s.follow_aDevId));
    add(key::kFollowBAutoPlay, QString::number(s.follow_bAutoPlay));
    return text;
}

// Removes a file or symbolic link standing at `path`.
void removeFile(const QString& path) {
    makeWritable(path);
    QFile::remove(path);
}

} // namespace

QString settingsFilePath() {
    return QDir(settingsFolder()).filePath(key::kFileName.toString());
}

Settings loadSettings(const MessageSink& showError) {
    const QString path = settingsFilePath();
    const QFileInfo info(path);
    if (info.isFile() && info.size() >= kMaxFileBytes)
        removeFile(path);

    QByteArray bytes;
    if (!readFile(path, bytes)) {
        const int error = errno;
        if (QFileInfo(path).isFile())
            showError(text::kSettingsReadFailed.arg(path, errorText(error)));
    }
    return settingsFrom(IniSection(decodeText(bytes), key::kSection));
}

void saveSettings(const Settings& settings, const MessageSink& showError) {
    const QString folder = settingsFolder();
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() && (folderInfo.exists() || folderInfo.isSymLink()))
        removeFile(folder);

    const QString path = settingsFilePath();
    if (QFileInfo(path).isDir())
        deleteTree(path);

    createFolders(path);
    const int error = writeFileAtomically(path, utf16LeWithMark(iniText(settings)));
    if (error != 0)
        showError(text::kSettingsWriteFailed.arg(path, errorText(error)));
}

void deleteTree(const QString& folder) {
    if (QFileInfo(folder).isSymLink())
        QFile::remove(folder);
    else
        QDir(folder).removeRecursively();
}

} // namespace kw
