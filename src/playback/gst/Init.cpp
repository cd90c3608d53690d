#include "playback/gst/GstHandles.h"

namespace kw::gst {

bool ensureInitialized() {
    static const bool initialized = gst_init_check(nullptr, nullptr, nullptr);
    return initialized;
}

} // namespace kw::gst
