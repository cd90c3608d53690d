#pragma once

// Audio devices as the sound server lists them (GStreamer's device monitor). No GStreamer types
// in here: the follow-read window uses these without depending on GStreamer.

#include "playback/CaptureDevice.h"

#include <QString>
#include <memory>
#include <optional>

namespace kw::gst {

// The system's default audio output: its display name, or none (no sound server, no output).
std::optional<QString> findDefaultRenderer();

// Clears the table and fills it in the server's stable order with the devices that have a name
// and can make a source; devices beyond the capacity are left out. Returns the count.
int listCaptureDevices(CaptureDeviceTable& table);
void releaseCaptureDevices(CaptureDeviceTable& table);

// The device at that position of the same list, its name copied into `name`; none beyond the
// end. Matches CaptureDeviceOpener.
std::unique_ptr<CaptureDevice> openCaptureDevice(int position, QString& name);

} // namespace kw::gst
