#pragma once

#include "playback/CaptureDevice.h"
#include "playback/gst/GstHandles.h"

namespace kw::gst {

// A capture device of GStreamer's device monitor; makes a fresh source element for each
// recording pipeline built on it.
class GstCaptureDevice final : public CaptureDevice {
public:
    GstCaptureDevice(ObjectPtr<GstDevice> device, QString name);
    QString name() const override { return name_; }
    QStringList properties() const override;
    // A new floating source element, or null.
    GstElement* makeSource(const char* elementName) const;

private:
    ObjectPtr<GstDevice> device_;
    QString name_;
};

} // namespace kw::gst
