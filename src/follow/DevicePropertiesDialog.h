#pragma once

#include <QString>

class QWidget;

namespace kw {

class CaptureDevice;

// "录音设备属性…": a modal, read-only list of what the device says about itself, titled with its
// name, at (30, 30) from the owner's top-left corner. A device that says nothing shows nothing.
void showDeviceProperties(const CaptureDevice& device, const QString& caption, QWidget* owner);

} // namespace kw
