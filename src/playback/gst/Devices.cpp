#include "playback/gst/Devices.h"

#include "playback/gst/GstCaptureDevice.h"
#include "playback/gst/GstHandles.h"

#include <vector>

namespace kw::gst {

namespace {

// The monitor's devices of one class, in its order (the same order run after run).
std::vector<ObjectPtr<GstDevice>> devicesOfClass(const char* deviceClass) {
    std::vector<ObjectPtr<GstDevice>> devices;
    if (!ensureInitialized())
        return devices;
    ObjectPtr<GstDeviceMonitor> monitor(gst_device_monitor_new());
    gst_device_monitor_add_filter(monitor.get(), deviceClass, nullptr);
    if (!gst_device_monitor_start(monitor.get()))
        return devices;
    GList* list = gst_device_monitor_get_devices(monitor.get());
    for (GList* item = list; item != nullptr; item = item->next)
        devices.emplace_back(static_cast<GstDevice*>(item->data));
    g_list_free(list);
    gst_device_monitor_stop(monitor.get());
    return devices;
}

bool isDefault(GstDevice* device) {
    std::unique_ptr<GstStructure, StructureFree> properties(gst_device_get_properties(device));
    gboolean isDefault = FALSE;
    return properties && gst_structure_get_boolean(properties.get(), "is-default", &isDefault) &&
           isDefault;
}

// The capture devices that count: a name and a working source. Calls `take` for each in turn
// until it returns false.
template <typename Take> void walkCaptureDevices(Take take) {
    for (ObjectPtr<GstDevice>& device : devicesOfClass("Audio/Source")) {
        GFreePtr<gchar> displayName(gst_device_get_display_name(device.get()));
        const QString name = QString::fromUtf8(displayName.get()).left(kDeviceNameMax);
        if (name.isEmpty())
            continue;
        auto capture = std::make_unique<GstCaptureDevice>(std::move(device), name);
        if (GstElement* probe = capture->makeSource(nullptr)) {
            gst_object_unref(gst_object_ref_sink(probe));
            if (!take(std::move(capture)))
                return;
        }
    }
}

} // namespace

GstCaptureDevice::GstCaptureDevice(ObjectPtr<GstDevice> device, QString name)
    : device_(std::move(device)), name_(std::move(name)) {}

QStringList GstCaptureDevice::properties() const {
    QStringList lines;
    std::unique_ptr<GstStructure, StructureFree> properties(
        gst_device_get_properties(device_.get()));
    if (!properties)
        return lines;
    const int n = gst_structure_n_fields(properties.get());
    for (int i = 0; i < n; ++i) {
        const char* key = gst_structure_nth_field_name(properties.get(), static_cast<guint>(i));
        const GValue* value = gst_structure_get_value(properties.get(), key);
        GFreePtr<gchar> text(g_strdup_value_contents(value));
        QString shown = QString::fromUtf8(text.get());
        if (G_VALUE_HOLDS_STRING(value))
            shown = QString::fromUtf8(g_value_get_string(value));
        lines.append(QString::fromUtf8(key) + QStringLiteral(" = ") + shown);
    }
    lines.sort();
    return lines;
}

GstElement* GstCaptureDevice::makeSource(const char* elementName) const {
    return gst_device_create_element(device_.get(), elementName);
}

std::optional<QString> findDefaultRenderer() {
    for (const ObjectPtr<GstDevice>& device : devicesOfClass("Audio/Sink")) {
        if (isDefault(device.get())) {
            GFreePtr<gchar> name(gst_device_get_display_name(device.get()));
            return QString::fromUtf8(name.get());
        }
    }
    return std::nullopt;
}

int listCaptureDevices(CaptureDeviceTable& table) {
    releaseCaptureDevices(table);
    walkCaptureDevices([&table](std::unique_ptr<GstCaptureDevice> device) {
        if (table.count == CaptureDeviceTable::kCapacity)
            return false;
        table.entries[static_cast<std::size_t>(table.count++)] = std::move(device);
        return true;
    });
    return table.count;
}

void releaseCaptureDevices(CaptureDeviceTable& table) {
    for (auto& entry : table.entries)
        entry.reset();
    table.count = 0;
}

std::unique_ptr<CaptureDevice> openCaptureDevice(int position, QString& name) {
    std::unique_ptr<CaptureDevice> found;
    if (position < 0)
        return found;
    int at = 0;
    walkCaptureDevices([&](std::unique_ptr<GstCaptureDevice> device) {
        if (at++ < position)
            return true;
        name = device->name();
        found = std::move(device);
        return false;
    });
    return found;
}

} // namespace kw::gst
