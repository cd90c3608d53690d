#include "SplitPlan.h"

#include "subtitle/LineTable.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kw {

namespace {

QString withoutTrailingSeparator(QString folder) {
    if (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

QString toolTime(std::int32_t ms) {
    const std::int32_t cs = std::max(ms / 10, 0);
    return QStringLiteral("%1.%2.%3")
        .arg(cs / 6000)
        .arg(cs % 6000 / 100)
        .arg(cs % 100, 2, 10, QChar(u'0'));
}

QString pieceName(const QString& mp3Path, std::int64_t number) {
    QString base = QFileInfo(mp3Path).completeBaseName();
    for (QChar& c : base) {
        if (c == u'+' || c == u'@' || c == u'%')
            c = u'_';
    }
    return QStringLiteral("%1_%2").arg(base).arg(number, 4, 10, QChar(u'0'));
}

SplitPlan::SplitPlan(const LineTable& table, int lrcMode, const SplitSettings& settings,
                     QString mp3Path)
    : table_(table), grouping_{lrcMode, table.count()}, settings_(settings),
      mp3Path_(std::move(mp3Path)), folder_(withoutTrailingSeparator(settings.folder)) {}

int SplitPlan::pieceCount() const {
    const int sentences = settings_.end - settings_.start + 1;
    return (sentences + settings_.perPiece - 1) / settings_.perPiece;
}

SplitPiece SplitPlan::piece(int k) const {
    SplitPiece piece;
    // 64-bit: start + k * perPiece may pass the int range for a large perPiece.
    const std::int64_t first = settings_.start + std::int64_t(k - 1) * settings_.perPiece;
    piece.firstSentence = static_cast<int>(first);
    piece.lastSentence = static_cast<int>(std::min<std::int64_t>(
        settings_.start + std::int64_t(k) * settings_.perPiece - 1, settings_.end));
    piece.lines = {grouping_.linesOfSentence(piece.firstSentence).first,
                   grouping_.linesOfSentence(piece.lastSentence).last};
    piece.name = pieceName(mp3Path_, std::int64_t(settings_.firstNumber) + k - 1);
    piece.subtitlePath = QDir(folder_).filePath(piece.name + QStringLiteral(".lrc"));
    piece.startTime = toolTime(table_.line(piece.lines.first).startMs);
    piece.endTime = piece.lines.last + 1 < table_.count()
                        ? toolTime(table_.line(piece.lines.last + 1).startMs)
                        : QStringLiteral("EOF");
    return piece;
}

QStringList SplitPlan::toolArguments(const SplitPiece& piece) const {
    QStringList arguments{mp3Path_, piece.startTime,      piece.endTime, QStringLiteral("-d"),
                          folder_,  QStringLiteral("-o"), piece.name};
    if (settings_.frameMode)
        arguments << QStringLiteral("-f");
    return arguments;
}

} // namespace kw
