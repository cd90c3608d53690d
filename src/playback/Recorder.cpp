#include "playback/Recorder.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace kw {

Recorder::Recorder(std::unique_ptr<RecordingPipeline> pipeline) : pipeline_(std::move(pipeline)) {}

Recorder::~Recorder() {
    close();
}

ResultCode Recorder::build(const CaptureDevice& device, const QString& deviceName,
                           RecordingNotifyTarget* target) {
    close();
    target_ = target;
    deviceName_ = deviceName.left(kDeviceNameMax);
    const ResultCode code = pipeline_->build(device, deviceName_, *this);
    if (failed(code))
        return code;
    built_ = true;
    return result::kOk;
}

void Recorder::close() {
    if (!built_)
        return;
    if (recording_)
        stop();
    pipeline_->teardown();
    events_.clear();
    built_ = false;
}

ResultCode Recorder::setTarget(const QString& path) {
    if (!built_)
        return result::kUnexpected;
    if (QFileInfo::exists(path))
        QFile::setPermissions(path,
                              QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner);
    return pipeline_->setTarget(path);
}

ResultCode Recorder::start() {
    if (!built_)
        return result::kUnexpected;
    const ResultCode code = pipeline_->start();
    recording_ = !failed(code);
    return code;
}

ResultCode Recorder::stop() {
    if (!built_)
        return result::kUnexpected;
    recording_ = false;
    return pipeline_->stop();
}

bool Recorder::takeEvent(GraphEvent& event) {
    if (events_.empty())
        return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

void Recorder::pipelineError(ResultCode code) {
    if (!built_)
        return;
    events_.push_back({kEventErrorAbort, code});
    if (target_ != nullptr)
        target_->onRecordingNotify(*this);
}

ResultCode deviceProperties(const CaptureDevice& device, QStringList& lines) {
    lines = device.properties();
    return lines.isEmpty() ? result::kNothing : result::kOk;
}

} // namespace kw
