#pragma once

// Opening an MP3 with its subtitles, closing it again, and opening the bundled sample lesson.
// The main window implements OpenHost (what opening changes on screen) and passes the services
// that reach outside (new pipelines, the default output check, the repair tool), so tests can
// run the whole flow with simulated media.
#include "playback/PlaybackPipeline.h"

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace kw {

struct AppState;
class RepeatController;

class OpenHost {
public:
    virtual ~OpenHost() = default;
    // `fill` and `clear` of the subtitle list.
    virtual void fillList() = 0;
    virtual void clearList() = 0;
    // `refresh` of the display panel.
    virtual void refreshDisplay() = 0;
    // The control panel's offset text and whether its change button is enabled.
    virtual void showOffset(int offsetMs, bool enabled) = 0;
    // Status bar part 0 (state text) to 3 (path).
    virtual void setStatusPart(int part, const QString& text) = 0;
    virtual void setWindowTitleText(const QString& title) = 0;
    // The product's page of downloadable lessons with subtitles, offered when one is missing.
    virtual void openMaterialsPage() = 0;
};

struct OpenServices {
    std::function<std::unique_ptr<PlaybackPipeline>()> newPipeline;
    std::function<bool()> hasDefaultOutput;
    // Runs the repair tool on the MP3 and returns when it has ended.
    std::function<void(const QString& mp3Path)> repair;
};

// The subtitle file of an MP3: its path with the last three characters replaced by "lrc".
QString subtitlePathFor(const QString& mp3Path);

class FileOpener {
public:
    FileOpener(AppState& state, RepeatController& controller, OpenHost& host, OpenServices services,
               QWidget* dialogParent);

    // Closes what is open, then opens `mp3Path` (or the file the user chooses when empty) and
    // starts playing its first sentence. Failures are reported in message boxes.
    void openFile(const QString& mp3Path = {});
    // False when the user wanted edited subtitles saved and the save failed: the file stays
    // open, stopped.
    bool closeFile();
    // eg.mp3 from the given folder.
    void openSample(const QString& folder);

private:
    bool loadSubtitles(const QString& lrcPath);
    bool buildPlayer(const QString& mp3Path);
    void restoreOffset(const QString& mp3Path);
    void showError(const QString& text);

    AppState& state_;
    RepeatController& controller_;
    OpenHost& host_;
    OpenServices services_;
    QWidget* dialogParent_;
};

} // namespace kw
