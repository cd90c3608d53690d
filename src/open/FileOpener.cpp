#include "FileOpener.h"

#include "playback/Player.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "subtitle/FileWriting.h"
#include "subtitle/LineTable.h"
#include "subtitle/OffsetStore.h"
#include "texts/AppTexts.h"
#include "texts/CommonTexts.h"
#include "texts/OpenTexts.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kw {
namespace {

constexpr int kMaxPathLength = 259;

} // namespace

QString subtitlePathFor(const QString& mp3Path) {
    return mp3Path.chopped(std::min<qsizetype>(3, mp3Path.size())) + QStringLiteral("lrc");
}

FileOpener::FileOpener(AppState& state, RepeatController& controller, OpenHost& host,
                       OpenServices services, QWidget* dialogParent)
    : state_(state), controller_(controller), host_(host), services_(std::move(services)),
      dialogParent_(dialogParent) {}

void FileOpener::showError(const QString& text) {
    kw::showError(dialogParent_, text::kAppCaption.toString(), text);
}

void FileOpener::openFile(const QString& requestedPath) {
    if (!closeFile())
        return;
    QString mp3Path = requestedPath;
    if (mp3Path.isEmpty()) {
        FilePrompt prompt;
        prompt.filter = text::kMp3Filter.toString();
        mp3Path = choosePath(dialogParent_, prompt);
        if (mp3Path.isEmpty())
            return;
    }
    mp3Path.truncate(kMaxPathLength);
    if (!services_.hasDefaultOutput()) {
        showError(resultText(result::kNoAudioHardware));
        return;
    }
    const QString lrcPath = subtitlePathFor(mp3Path);
    if (!QFileInfo::exists(lrcPath)) {
        showError(text::kMissingSubtitles.arg(lrcPath));
        host_.openMaterialsPage();
        return;
    }
    if (!loadSubtitles(lrcPath))
        return;
    // The repair tool and a later save must be able to write; failures are ignored.
    for (const QString& path : {mp3Path + QStringLiteral(".bak"), mp3Path, lrcPath})
        makeWritable(path);
    if (!buildPlayer(mp3Path)) {
        state_.lineTable.reset();
        return;
    }
    state_.player->setChannel(state_.channel);
    state_.player->setVolume(state_.bMute ? kVolumeSilent : state_.volume);

    state_.bLoaded = true;
    state_.playState = kStopped;
    state_.curLine = 0;
    state_.mp3Path = mp3Path;
    state_.lrcPath = lrcPath;
    restoreOffset(mp3Path);

    host_.fillList();
    controller_.updateToolbar();
    host_.setStatusPart(0, text::kStatusLoaded.toString());
    host_.setStatusPart(3, mp3Path);
    controller_.refreshStatus();
    host_.setWindowTitleText(QFileInfo(mp3Path).completeBaseName() + QStringLiteral(" - ") +
                             text::kAppCaption.toString());
    controller_.playPause();
}

bool FileOpener::loadSubtitles(const QString& lrcPath) {
    state_.lineTable = std::make_unique<LineTable>();
    const int loaded = state_.lineTable->load(lrcPath);
    if (loaded == LineTable::Loaded)
        return true;
    const int error = state_.lineTable->loadErrno();
    state_.lineTable.reset();
    showError(loaded == LineTable::CannotOpen ? text::kSubtitlesUnreadable.arg(errorText(error))
                                              : text::kSubtitlesInvalid.arg(lrcPath));
    return false;
}

bool FileOpener::buildPlayer(const QString& mp3Path) {
    for (bool repaired = false;; repaired = true) {
        state_.player = std::make_unique<Player>(services_.newPipeline());
        const ResultCode code =
            openWithEitherParser(*state_.player, mp3Path, &controller_, Parser::Preferred);
        if (!failed(code))
            return true;
        state_.player.reset();
        if (repaired) {
            showError(text::kLoadFailed.arg(resultText(code)));
            return false;
        }
        services_.repair(mp3Path);
    }
}

void FileOpener::restoreOffset(const QString& mp3Path) {
    state_.mp3Digest.fill(0);
    digestFile(mp3Path, state_.mp3Digest);
    state_.offsetMs = readOffset(state_.mp3Digest);
    state_.lineTable->applyOffset(state_.offsetMs);
    host_.showOffset(state_.offsetMs, true);
}

bool FileOpener::closeFile() {
    if (!state_.bLoaded)
        return true;
    controller_.stop();
    if (state_.lineTable->modified()) {
        const auto answer =
            showMessage(dialogParent_, {QMessageBox::Question, text::kAppCaption.toString(),
                                        text::kSaveQuestion.arg(state_.lrcPath),
                                        QMessageBox::Yes | QMessageBox::No});
        if (answer == QMessageBox::Yes) {
            const int error = state_.lineTable->save();
            if (error != 0) {
                showError(text::kSaveFailed.arg(errorText(error)));
                return false;
            }
        }
    }
    state_.mp3Path.clear();
    state_.lrcPath.clear();
    state_.lineTable.reset();
    state_.player.reset();
    state_.bLoaded = false;
    state_.playState = kStopped;

    host_.refreshDisplay();
    host_.clearList();
    controller_.updateToolbar();
    host_.setStatusPart(0, text::kStatusNoFile.toString());
    for (int part = 1; part <= 3; ++part)
        host_.setStatusPart(part, {});
    writeOffset(state_.mp3Digest, state_.offsetMs);
    host_.showOffset(0, false);
    host_.setWindowTitleText(text::kAppCaption.toString());
    return true;
}

void FileOpener::openSample(const QString& folder) {
    openFile(QDir(folder).filePath(QStringLiteral("eg.mp3")));
}

} // namespace kw
