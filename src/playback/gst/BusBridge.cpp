#include "playback/gst/BusBridge.h"

#include "playback/gst/MediaErrors.h"

#include <chrono>
#include <memory>

namespace kw::gst {

BusBridge::BusBridge(GstBus* bus, EntryPoint entry)
    : bus_(static_cast<GstBus*>(gst_object_ref(bus))), entry_(std::move(entry)) {
    gst_bus_set_sync_handler(bus_.get(), &BusBridge::onSync, this, nullptr);
}

BusBridge::~BusBridge() {
    gst_bus_set_sync_handler(bus_.get(), nullptr, nullptr, nullptr);
}

void BusBridge::forwardWaiting() {
    while (GstMessage* message = gst_bus_pop(bus_.get()))
        take(message);
}

void BusBridge::newEpoch() {
    ++epoch_;
}

bool BusBridge::waitForEndOfStream(int timeoutMs) {
    std::unique_lock lock(eosMutex_);
    return eosChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [this] { return eosEpoch_ == epoch_.load(); });
}

GstBusSyncReply BusBridge::onSync(GstBus*, GstMessage* message, gpointer self) {
    static_cast<BusBridge*>(self)->take(gst_message_ref(message));
    return GST_BUS_DROP;
}

// Runs on whichever thread posted the message; takes over the reference.
void BusBridge::take(GstMessage* raw) {
    MessagePtr message(raw);
    const std::uint64_t epoch = epoch_.load();
    switch (GST_MESSAGE_TYPE(raw)) {
    case GST_MESSAGE_EOS: {
        std::lock_guard lock(eosMutex_);
        eosEpoch_ = epoch;
        eosChanged_.notify_all();
        break;
    }
    case GST_MESSAGE_ERROR: {
        GError* error = nullptr;
        gst_message_parse_error(raw, &error, nullptr);
        lastError_.store(resultForError(ErrorPtr(error).get()));
        break;
    }
    default:
        return;
    }
    std::shared_ptr<GstMessage> shared(message.release(), MessageUnref());
    QMetaObject::invokeMethod(
        &receiver_, [this, shared, epoch] { entry_(shared.get(), epoch == epoch_.load()); },
        Qt::QueuedConnection);
}

} // namespace kw::gst
