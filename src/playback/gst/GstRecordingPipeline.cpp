#include "playback/gst/GstRecordingPipeline.h"

#include "playback/gst/BusBridge.h"
#include "playback/gst/GstCaptureDevice.h"
#include "playback/gst/GstHandles.h"
#include "playback/gst/MediaErrors.h"

#include <QFile>

namespace kw::gst {

namespace {

constexpr int kEndOfStreamTimeoutMs = 3000;

class GstRecordingPipeline final : public RecordingPipeline {
public:
    ~GstRecordingPipeline() override { teardown(); }

    ResultCode build(const CaptureDevice& device, const QString& elementName,
                     PipelineListener& listener) override;
    void teardown() override;
    ResultCode setTarget(const QString& path) override;
    ResultCode start() override;
    ResultCode stop() override;

private:
    ResultCode assemble(const GstCaptureDevice& device, const QString& elementName);

    // Teardown order as for playback: state NULL (threads end), then bridge, then pipeline.
    ObjectPtr<GstElement> pipeline_;
    std::unique_ptr<BusBridge> bridge_;
    GstElement* writer_ = nullptr; // borrowed from pipeline_
    bool recording_ = false;
};

GstElement* makeCaps(const char* caps) {
    GstElement* filter = gst_element_factory_make("capsfilter", nullptr);
    if (filter != nullptr) {
        CapsPtr parsed(gst_caps_from_string(caps));
        g_object_set(filter, "caps", parsed.get(), nullptr);
    }
    return filter;
}

ResultCode GstRecordingPipeline::assemble(const GstCaptureDevice& device,
                                          const QString& elementName) {
    pipeline_ = refObject(gst_pipeline_new(nullptr));
    GstElement* chain[] = {
        device.makeSource(elementName.toUtf8().constData()),
        gst_element_factory_make("audioconvert", nullptr),
        gst_element_factory_make("audioresample", nullptr),
        makeCaps("audio/x-raw,rate=22050"),
        gst_element_factory_make("lamemp3enc", "lame"),
        makeCaps("audio/mpeg,rate=22050"),
        gst_element_factory_make("filesink", "fileWriter"),
    };
    bool complete = true;
    for (GstElement* element : chain) {
        if (element == nullptr)
            complete = false;
        else
            gst_bin_add(GST_BIN(pipeline_.get()), element);
    }
    if (!complete)
        return chain[0] == nullptr ? result::kNotFound : result::kClassNotRegistered;
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        if (!gst_element_link(chain[i - 1], chain[i]))
            return result::kCannotConnect;
    }
    g_object_set(chain[4], "target", 1 /* bitrate */, "bitrate", 32, "cbr", TRUE, nullptr);
    writer_ = chain[6];
    return result::kOk;
}

ResultCode GstRecordingPipeline::build(const CaptureDevice& device, const QString& elementName,
                                       PipelineListener& listener) {
    teardown();
    if (!ensureInitialized())
        return result::kClassNotRegistered;
    const auto* capture = dynamic_cast<const GstCaptureDevice*>(&device);
    if (capture == nullptr)
        return result::kNotFound;
    const ResultCode code = assemble(*capture, elementName);
    if (failed(code)) {
        teardown();
        return code;
    }
    ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline_.get()));
    bridge_ = std::make_unique<BusBridge>(bus.get(), [this, &listener](GstMessage* message, bool) {
        if (GST_MESSAGE_TYPE(message) != GST_MESSAGE_ERROR || !recording_)
            return;
        GError* raw = nullptr;
        gst_message_parse_error(message, &raw, nullptr);
        listener.pipelineError(resultForError(ErrorPtr(raw).get()));
    });
    return result::kOk;
}

void GstRecordingPipeline::teardown() {
    if (!pipeline_)
        return;
    if (bridge_)
        bridge_->newEpoch();
    gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
    bridge_.reset();
    writer_ = nullptr;
    pipeline_.reset();
    recording_ = false;
}

ResultCode GstRecordingPipeline::setTarget(const QString& path) {
    if (recording_)
        return result::kUnexpected;
    g_object_set(writer_, "location", QFile::encodeName(path).constData(), nullptr);
    return result::kOk;
}

ResultCode GstRecordingPipeline::start() {
    bridge_->clearLastError();
    bridge_->newEpoch();
    if (gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        const ResultCode code = bridge_->lastError();
        gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
        return failed(code) ? code : result::kRuntimeError;
    }
    recording_ = true;
    return result::kOk;
}

ResultCode GstRecordingPipeline::stop() {
    if (!recording_)
        return result::kOk;
    recording_ = false;
    // End-of-stream lets the encoder flush its last frames into the file before it closes.
    bridge_->newEpoch();
    gst_element_send_event(pipeline_.get(), gst_event_new_eos());
    const bool complete = bridge_->waitForEndOfStream(kEndOfStreamTimeoutMs);
    gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
    return complete ? result::kOk : result::kTimeout;
}

} // namespace

std::unique_ptr<RecordingPipeline> newRecordingPipeline() {
    return std::make_unique<GstRecordingPipeline>();
}

} // namespace kw::gst
