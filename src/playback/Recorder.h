#pragma once

// Recorder: records from a capture device into an MP3 file (32 kbit/s CBR, 22,050 Hz, no
// wrapper; Player plays it). Window thread only.
//
//   Recorder recorder(gst::newRecordingPipeline());     // or SimMedia::newRecordingPipeline()
//   ResultCode code = recorder.build(device, device.name(), &owner);   // once
//   per recording: delete the old file, recorder.setTarget(path), recorder.start();
//                  later recorder.stop();               // the file is complete when it returns
//   recorder.close();                                   // the destructor closes too
//
// Errors while recording reach the owner like a Player's: onRecordingNotify(), then takeEvent()
// gives kEventErrorAbort with the failure code.

#include "playback/CaptureDevice.h"
#include "playback/Player.h"
#include "playback/RecordingPipeline.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>

namespace kw {

class Recorder;

class RecordingNotifyTarget {
public:
    virtual void onRecordingNotify(Recorder& recorder) = 0;

protected:
    ~RecordingNotifyTarget() = default;
};

class Recorder final : private PipelineListener {
public:
    explicit Recorder(std::unique_ptr<RecordingPipeline> pipeline);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // The device is borrowed while building; its name (cut to kDeviceNameMax) names the capture
    // element. 0, or the first failing code with nothing kept (kClassNotRegistered for a missing
    // encoder). A built Recorder is closed first.
    ResultCode build(const CaptureDevice& device, const QString& deviceName,
                     RecordingNotifyTarget* target);
    // Nothing when not built; stops a recording first.
    void close();
    bool isBuilt() const { return built_; }
    QString deviceName() const { return deviceName_; }

    // Makes an existing file writable again, then records into it next time. kUnexpected
    // when not built.
    ResultCode setTarget(const QString& path);
    ResultCode start();
    // The file is complete when it returns.
    ResultCode stop();

    bool takeEvent(GraphEvent& event);

private:
    void pipelineError(ResultCode code) override;

    std::unique_ptr<RecordingPipeline> pipeline_;
    RecordingNotifyTarget* target_ = nullptr;
    QString deviceName_;
    bool built_ = false;
    bool recording_ = false;
    std::deque<GraphEvent> events_;
};

// What the follow-read window's properties dialog shows for a device: result::kOk with the
// lines, or result::kNothing (and no lines) when the device has no properties to show.
ResultCode deviceProperties(const CaptureDevice& device, QStringList& lines);

} // namespace kw
