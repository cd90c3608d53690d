#include "playback/gst/ClockWatch.h"

namespace kw::gst {

void ClockWatch::start(std::uint64_t wallNs, std::uint64_t clockNs) {
    wallNs_ = wallNs;
    clockNs_ = clockNs;
}

bool ClockWatch::leapt(std::uint64_t wallNs, std::uint64_t clockNs) {
    const std::uint64_t clockStep = clockNs > clockNs_ ? clockNs - clockNs_ : 0;
    const std::uint64_t wallStep = wallNs > wallNs_ ? wallNs - wallNs_ : 0;
    start(wallNs, clockNs);
    return clockStep > wallStep + kToleranceNs;
}

} // namespace kw::gst
