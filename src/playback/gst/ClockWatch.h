#pragma once

#include <cstdint>

namespace kw::gst {

// Notices a clock that leaps ahead of real time. A sound server's clock read right after a
// flushing seek can come back as an absurd time; the sink's clock never runs backwards, so it
// then stands still there, and with it the position and the end of the stream.
class ClockWatch {
public:
    // More than real time plus this between two samples is a leap, not drift or a late sample.
    static constexpr std::uint64_t kToleranceNs = 1'000'000'000;

    void start(std::uint64_t wallNs, std::uint64_t clockNs);
    // True when the clock moved on by more than the real time since the previous sample (plus
    // the tolerance). Every call becomes the next sample.
    bool leapt(std::uint64_t wallNs, std::uint64_t clockNs);

private:
    std::uint64_t wallNs_ = 0;
    std::uint64_t clockNs_ = 0;
};

} // namespace kw::gst
