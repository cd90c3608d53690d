#include "playback/gst/GstPlaybackPipeline.h"

#include "playback/gst/BusBridge.h"
#include "playback/gst/ClockWatch.h"
#include "playback/gst/Devices.h"
#include "playback/gst/GstHandles.h"
#include "playback/gst/MediaErrors.h"
#include "playback/gst/Mp3Probe.h"
#include "playback/gst/TrueLength.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <optional>
#include <string_view>

namespace kw::gst {

namespace {

// Building prerolls the file; a seek waits for the new position to be settled.
constexpr GstClockTime kPrerollTimeout = 5 * GST_SECOND;
constexpr GstClockTime kSeekTimeout = 2 * GST_SECOND;
constexpr int kClockWatchMs = 100;

GstElement* makeElement(const char* factory, const char* name) {
    return gst_element_factory_make(factory, name);
}

// Accepts only MPEG-1 audio pads of the auto-plugging parser (caps may still be ranges here).
bool isMpegAudio(GstPad* pad) {
    CapsPtr caps(gst_pad_query_caps(pad, nullptr));
    if (!caps || gst_caps_is_empty(caps.get()))
        return false;
    const GstStructure* s = gst_caps_get_structure(caps.get(), 0);
    int version = 0;
    return gst_structure_has_name(s, "audio/mpeg") &&
           gst_structure_get_int(s, "mpegversion", &version) && version == 1;
}

class GstPlaybackPipeline final : public PlaybackPipeline {
public:
    GstPlaybackPipeline() {
        QObject::connect(&clockTimer_, &QTimer::timeout, [this] { watchClock(); });
    }
    ~GstPlaybackPipeline() override { teardown(); }

    ResultCode build(const QString& path, Parser parser, PipelineListener& listener) override;
    void teardown() override;

    ResultCode run() override;
    ResultCode pause() override { return toPaused(); }
    ResultCode stop() override { return toPaused(); }
    void seek(std::int64_t ns) override;

    std::int64_t positionNs() const override;
    bool endOfStream() const override { return endOfStream_; }
    std::int64_t lengthNs() const override { return lengthNs_; }

    ResultCode setGain(double gain) override;
    void setPanorama(double panorama) override;

private:
    ResultCode checkFile(const QString& path, Parser parser) const;
    ResultCode assemble(const QString& path, Parser parser);
    ResultCode preroll();
    ResultCode changeState(GstState state);
    ResultCode toPaused();
    void onBusMessage(GstMessage* message, bool current);
    std::uint64_t clockNs() const;
    void startClockWatch();
    // A sink whose clock leapt never plays on properly: go on from the same place with a new
    // pipeline, and so a new clock.
    void watchClock();
    void restartAt(std::int64_t ns);
    static void onParserPad(GstElement* parser, GstPad* pad, gpointer self);

    // Teardown order: bridge_ stops delivering, pipeline_ goes to NULL (its threads end), then
    // the bridge, the query and the pipeline (which owns every element) are released.
    ObjectPtr<GstElement> pipeline_;
    std::unique_ptr<BusBridge> bridge_;
    QueryPtr positionQuery_;
    // Borrowed from pipeline_.
    GstElement* decoder_ = nullptr;
    GstElement* volume_ = nullptr;
    GstElement* panorama_ = nullptr;
    GstElement* renderer_ = nullptr;

    PipelineListener* listener_ = nullptr;
    QString path_;
    Parser parser_ = Parser::Preferred;
    // What the owner last set, for a restarted pipeline.
    double gainSetting_ = 1;
    double panoramaSetting_ = 0;
    QTimer clockTimer_;
    ClockWatch clockWatch_;
    Mp3Probe probe_;
    std::int64_t lengthNs_ = 0;
    mutable std::int64_t lastPositionNs_ = 0;
    bool endOfStream_ = false;
    // Set while paused or stopped: the sink's clock ran on, so resume through a flushing seek
    // (without it the server plays the whole pause as silence first).
    bool resyncBeforeRun_ = false;
    bool splitter_ = false;
    bool mpegPadLinked_ = false;
};

ResultCode GstPlaybackPipeline::checkFile(const QString& path, Parser parser) const {
    const QFileInfo info(path);
    if (!info.isFile())
        return result::kFileNotFound;
    if (!info.isReadable())
        return result::kAccessDenied;
    if (parser == Parser::Preferred && !probe_.plainMp3)
        return result::kUnsupportedStream;
    if (!findDefaultRenderer())
        return result::kNoAudioHardware;
    return result::kOk;
}

ResultCode GstPlaybackPipeline::build(const QString& path, Parser parser,
                                      PipelineListener& listener) {
    teardown();
    if (!ensureInitialized())
        return result::kClassNotRegistered;
    probe_ = probeMp3(path);
    ResultCode code = checkFile(path, parser);
    if (!failed(code))
        code = assemble(path, parser);
    if (!failed(code))
        code = preroll();
    std::optional<std::int64_t> length;
    if (!failed(code)) {
        length = probe_.plainMp3 ? trueMp3LengthNs(path) : std::nullopt;
        gint64 estimate = 0;
        if (!length && gst_element_query_duration(pipeline_.get(), GST_FORMAT_TIME, &estimate))
            length = estimate;
        if (!length)
            code = result::kUnsupportedStream;
    }
    if (failed(code)) {
        teardown();
        return code;
    }
    lengthNs_ = *length;
    listener_ = &listener;
    path_ = path;
    parser_ = parser;
    ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline_.get()));
    bridge_ = std::make_unique<BusBridge>(
        bus.get(), [this](GstMessage* message, bool current) { onBusMessage(message, current); });
    bridge_->forwardWaiting();
    positionQuery_.reset(gst_query_new_position(GST_FORMAT_TIME));
    resyncBeforeRun_ = true;
    return result::kOk;
}

ResultCode GstPlaybackPipeline::assemble(const QString& path, Parser parser) {
    pipeline_ = refObject(gst_pipeline_new(nullptr));
    GstBin* bin = GST_BIN(pipeline_.get());
    struct Part {
        const char* factory;
        const char* name;
    };
    const bool preferred = parser == Parser::Preferred;
    splitter_ = !preferred;
    const Part parts[] = {
        {"filesrc", "source"},         {preferred ? "mpegaudioparse" : "parsebin", "mp3Parser"},
        {"mpg123audiodec", "decoder"}, {"audioconvert", "converter"},
        {"audiopanorama", "panorama"}, {"volume", "volume"},
        {"pulsesink", "renderer"},
    };
    GstElement* previous = nullptr;
    GstElement* source = nullptr;
    GstElement* parserElement = nullptr;
    for (const Part& part : parts) {
        GstElement* element = makeElement(part.factory, part.name);
        if (element == nullptr)
            return result::kClassNotRegistered;
        gst_bin_add(bin, element);
        // The auto-plugging parser gets its output pad only once it knows the stream.
        const bool linkLater = previous == parserElement && parserElement != nullptr && !preferred;
        if (previous != nullptr && !linkLater && !gst_element_link(previous, element))
            return result::kCannotConnect;
        if (source == nullptr)
            source = element;
        if (std::string_view(part.name) == "mp3Parser")
            parserElement = element;
        previous = element;
    }
    g_object_set(source, "location", QFile::encodeName(path).constData(), nullptr);
    decoder_ = gst_bin_get_by_name(bin, "decoder");
    volume_ = gst_bin_get_by_name(bin, "volume");
    panorama_ = gst_bin_get_by_name(bin, "panorama");
    renderer_ = gst_bin_get_by_name(bin, "renderer");
    // gst_bin_get_by_name adds a reference; the bin keeps the elements alive.
    for (GstElement* element : {decoder_, volume_, panorama_, renderer_})
        gst_object_unref(element);
    g_object_set(panorama_, "method", 1 /* simple: the other channel silent */, nullptr);
    if (!preferred)
        g_signal_connect(parserElement, "pad-added", G_CALLBACK(&onParserPad), this);
    return result::kOk;
}

void GstPlaybackPipeline::onParserPad(GstElement*, GstPad* pad, gpointer self) {
    auto* pipeline = static_cast<GstPlaybackPipeline*>(self);
    ObjectPtr<GstPad> sink(gst_element_get_static_pad(pipeline->decoder_, "sink"));
    if (gst_pad_is_linked(sink.get()) || !isMpegAudio(pad))
        return;
    if (gst_pad_link(pad, sink.get()) == GST_PAD_LINK_OK)
        pipeline->mpegPadLinked_ = true;
}

ResultCode GstPlaybackPipeline::preroll() {
    mpegPadLinked_ = false;
    GstStateChangeReturn change = gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
    if (change == GST_STATE_CHANGE_ASYNC)
        change = gst_element_get_state(pipeline_.get(), nullptr, nullptr, kPrerollTimeout);
    if (change == GST_STATE_CHANGE_SUCCESS || change == GST_STATE_CHANGE_NO_PREROLL)
        return result::kOk;
    ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline_.get()));
    const ResultCode fallback = change == GST_STATE_CHANGE_ASYNC ? result::kTimeout : result::kFail;
    const ResultCode code = takeBusError(bus.get(), fallback);
    // The auto-plugging parser found a stream, but no MPEG audio in it.
    if (splitter_ && !mpegPadLinked_ && code != result::kFileNotFound)
        return result::kUnsupportedStream;
    return code;
}

void GstPlaybackPipeline::teardown() {
    if (!pipeline_)
        return;
    clockTimer_.stop();
    if (bridge_)
        bridge_->newEpoch();
    gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
    bridge_.reset();
    positionQuery_.reset();
    decoder_ = volume_ = panorama_ = renderer_ = nullptr;
    pipeline_.reset();
    listener_ = nullptr;
    lengthNs_ = 0;
    lastPositionNs_ = 0;
    endOfStream_ = false;
}

ResultCode GstPlaybackPipeline::changeState(GstState state) {
    // A restart that could not rebuild (the file gone meanwhile) leaves nothing to drive.
    if (!pipeline_)
        return result::kUnexpected;
    bridge_->clearLastError();
    if (gst_element_set_state(pipeline_.get(), state) != GST_STATE_CHANGE_FAILURE)
        return result::kOk;
    const ResultCode code = bridge_->lastError();
    return failed(code) ? code : result::kRuntimeError;
}

ResultCode GstPlaybackPipeline::run() {
    if (resyncBeforeRun_)
        seek(positionNs());
    resyncBeforeRun_ = false;
    const ResultCode code = changeState(GST_STATE_PLAYING);
    if (!failed(code))
        startClockWatch();
    return code;
}

ResultCode GstPlaybackPipeline::toPaused() {
    clockTimer_.stop();
    resyncBeforeRun_ = true;
    return changeState(GST_STATE_PAUSED);
}

std::uint64_t GstPlaybackPipeline::clockNs() const {
    ObjectPtr<GstClock> clock(gst_element_get_clock(pipeline_.get()));
    return clock ? gst_clock_get_time(clock.get()) : 0;
}

void GstPlaybackPipeline::startClockWatch() {
    clockWatch_.start(g_get_monotonic_time() * 1000, clockNs());
    clockTimer_.start(kClockWatchMs);
}

void GstPlaybackPipeline::watchClock() {
    if (!clockWatch_.leapt(g_get_monotonic_time() * 1000, clockNs()))
        return;
    qWarning("The sound clock leapt ahead; playback goes on with a new pipeline.");
    restartAt(positionNs());
}

void GstPlaybackPipeline::restartAt(std::int64_t ns) {
    PipelineListener* listener = listener_;
    ResultCode code = build(path_, parser_, *listener);
    if (!failed(code)) {
        setGain(gainSetting_);
        setPanorama(panoramaSetting_);
        seek(ns);
        code = run();
    }
    if (failed(code))
        listener->pipelineError(code);
}

void GstPlaybackPipeline::seek(std::int64_t ns) {
    if (!pipeline_)
        return;
    bridge_->newEpoch();
    endOfStream_ = false;
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    if (gst_element_seek_simple(pipeline_.get(), GST_FORMAT_TIME, flags, ns)) {
        gst_element_get_state(pipeline_.get(), nullptr, nullptr, kSeekTimeout);
        lastPositionNs_ = ns;
    }
    resyncBeforeRun_ = false;
}

std::int64_t GstPlaybackPipeline::positionNs() const {
    // Asking the sink itself: a query on the pipeline would allocate an iterator every time.
    if (positionQuery_ && gst_element_query(renderer_, positionQuery_.get())) {
        gint64 position = 0;
        gst_query_parse_position(positionQuery_.get(), nullptr, &position);
        if (position >= 0)
            lastPositionNs_ = position;
    }
    return lastPositionNs_;
}

ResultCode GstPlaybackPipeline::setGain(double gain) {
    gainSetting_ = gain;
    if (volume_ != nullptr)
        g_object_set(volume_, "volume", gain, nullptr);
    return result::kOk;
}

void GstPlaybackPipeline::setPanorama(double panorama) {
    panoramaSetting_ = panorama;
    if (panorama_ != nullptr)
        g_object_set(panorama_, "panorama", static_cast<gfloat>(panorama), nullptr);
}

void GstPlaybackPipeline::onBusMessage(GstMessage* message, bool current) {
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
        if (current)
            endOfStream_ = true;
        return;
    }
    GError* raw = nullptr;
    gst_message_parse_error(message, &raw, nullptr);
    const ResultCode code = resultForError(ErrorPtr(raw).get());
    if (listener_ != nullptr)
        listener_->pipelineError(code);
}

} // namespace

std::unique_ptr<PlaybackPipeline> newPlaybackPipeline() {
    return std::make_unique<GstPlaybackPipeline>();
}

} // namespace kw::gst
