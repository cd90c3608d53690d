#pragma once

#include "follow/FollowServices.h"
#include "playback/Player.h"
#include "playback/Recorder.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>

namespace kw {

struct AppState;

// What the follow-read window does with sound: plays the current sentence of the loaded MP3
// (the reference), records the user into the destination file and plays the recording back,
// one at a time. It owns the capture device, the reference player (from its first use), the
// recorder (from the first recording until the device changes) and the recording player (for
// one playback). Window thread only.
class FollowActivity : public QObject, private GraphNotifyTarget, private RecordingNotifyTarget {
    Q_OBJECT
public:
    enum State { kIdle = 0, kPlayingReference = 1, kPlayingRecording = 2, kRecording = 3 };

    // Period of the poll that runs exactly while not idle.
    static constexpr int kPollMs = 10;
    // A recording that reaches this size ends by itself (about an hour of speech).
    static constexpr std::int64_t kRecordingLimitBytes = 15 * 1024 * 1024;

    FollowActivity(AppState& state, const FollowServices& services,
                   std::unique_ptr<CaptureDevice> device, const QString& deviceName,
                   QObject* parent = nullptr);

    State followState() const { return state_; }
    bool isPolling() const { return pollTimer_.isActive(); }

    // Each is ignored while recording and ends any other activity first.
    void playReference();
    void playRecording();
    // Starts a recording, or ends the running one.
    void toggleRecording();
    // Back to idle; the reference player is kept, a recording player discarded.
    void stopActivity();

    // One poll: the reference stops at its sentence's end, playback at the end of the media, a
    // recording at the size limit.
    void followTick();
    // Drains the active graph's events; an aborting error stops with a message.
    void onFollowGraphEvent();

    const QString& deviceName() const { return deviceName_; }
    const CaptureDevice& captureDevice() const { return *device_; }
    // Takes another device; the built recorder is discarded, so that the next recording builds
    // one with it.
    void setCaptureDevice(std::unique_ptr<CaptureDevice> device, const QString& deviceName);

signals:
    // After every change of state, and after every stopActivity.
    void stateChanged(int state);
    // The text of an error message for the user.
    void errorMessage(const QString& message);

private:
    void onGraphNotify(Player& player) override;
    void onRecordingNotify(Recorder& recorder) override;
    void postGraphEvent();
    bool takeActiveEvent(GraphEvent& event);
    bool openReferencePlayer();
    bool referenceAtSentenceEnd() const;
    bool recordingAtLimit() const;
    void enter(State state);

    AppState& app_;
    const FollowServices& services_;
    std::unique_ptr<CaptureDevice> device_;
    QString deviceName_;
    State state_ = kIdle;
    std::unique_ptr<Player> referencePlayer_;
    std::unique_ptr<Player> recordingPlayer_;
    std::unique_ptr<Recorder> recorder_;
    // The destination of the running recording as the size probe takes it.
    QByteArray recordingLocalPath_;
    QTimer pollTimer_;
};

} // namespace kw
