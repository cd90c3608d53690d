#pragma once

#include "playback/ResultCode.h"
#include "playback/gst/GstHandles.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

namespace kw::gst {

// Carries a pipeline's end-of-stream and error messages from GStreamer's threads to its owner on
// the window thread, through one entry point. A bus sync handler takes each message as it is
// posted and queues the call (a GLib bus watch would need Qt's GLib event loop; this works with
// any). Messages posted before the latest newEpoch() reach the entry point marked stale.
//
// The owner must stop the pipeline's threads (state NULL) before destroying the bridge; calls
// still queued then are dropped with it.
class BusBridge {
public:
    // (message, posted in the current epoch)
    using EntryPoint = std::function<void(GstMessage*, bool current)>;

    // Must be made on the window thread.
    BusBridge(GstBus* bus, EntryPoint entry);
    ~BusBridge();
    BusBridge(const BusBridge&) = delete;
    BusBridge& operator=(const BusBridge&) = delete;

    // Queues the messages that were waiting on the bus before the bridge existed.
    void forwardWaiting();
    // Marks everything posted so far as stale (a seek or stop makes an old end-of-stream moot).
    void newEpoch();

    // The latest error's code since clearLastError(), read at once (for a failed state change).
    ResultCode lastError() const { return lastError_.load(); }
    void clearLastError() { lastError_.store(result::kOk); }

    // Blocks until an end-of-stream is posted after the latest newEpoch(), or the time-out.
    bool waitForEndOfStream(int timeoutMs);

private:
    static GstBusSyncReply onSync(GstBus* bus, GstMessage* message, gpointer self);
    void take(GstMessage* message);

    ObjectPtr<GstBus> bus_;
    EntryPoint entry_;
    QObject receiver_; // lives on the window thread
    std::atomic<std::uint64_t> epoch_{0};
    std::atomic<ResultCode> lastError_{result::kOk};
    std::mutex eosMutex_;
    std::condition_variable eosChanged_;
    std::uint64_t eosEpoch_ = UINT64_MAX;
};

} // namespace kw::gst
