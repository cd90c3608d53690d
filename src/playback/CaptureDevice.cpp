#include "playback/CaptureDevice.h"

namespace kw {

std::unique_ptr<CaptureDevice> openChosenCaptureDevice(const CaptureDeviceOpener& open,
                                                       int& chosenPosition, QString& name) {
    if (auto device = open(chosenPosition, name))
        return device;
    chosenPosition = 0;
    return open(0, name);
}

} // namespace kw
