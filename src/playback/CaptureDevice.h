#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

namespace kw {

// The longest device name kept; longer names are cut.
inline constexpr qsizetype kDeviceNameMax = 63;

// A capture device that can feed a Recorder; owned by whoever opened it.
class CaptureDevice {
public:
    virtual ~CaptureDevice() = default;
    // The display name, cut to kDeviceNameMax characters.
    virtual QString name() const = 0;
    // What the device says about itself, "key = value" per entry, sorted by key; empty when it
    // says nothing. The follow-read window shows them in its read-only properties dialog.
    virtual QStringList properties() const = 0;
};

// The capture devices listed for the user to choose from.
struct CaptureDeviceTable {
    static constexpr int kCapacity = 16;
    std::array<std::unique_ptr<CaptureDevice>, kCapacity> entries;
    int count = 0;
};

// Opens the device at a position of the list, copying its name; none beyond the end.
using CaptureDeviceOpener =
    std::function<std::unique_ptr<CaptureDevice>(int position, QString& name)>;

// The follow-read window's choice: the device at `chosenPosition`; when there is none there,
// `chosenPosition` becomes 0 and the first device is opened (none when there is none at all).
std::unique_ptr<CaptureDevice> openChosenCaptureDevice(const CaptureDeviceOpener& open,
                                                       int& chosenPosition, QString& name);

} // namespace kw
