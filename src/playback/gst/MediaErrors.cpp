#include "playback/gst/MediaErrors.h"

#include "playback/gst/GstHandles.h"

namespace kw::gst {

ResultCode resultForError(const GError* error) {
    if (error == nullptr)
        return result::kFail;
    using result::MediaErrorDomain;
    MediaErrorDomain domain = MediaErrorDomain::Core;
    if (error->domain == GST_RESOURCE_ERROR) {
        if (error->code == GST_RESOURCE_ERROR_NOT_FOUND)
            return result::kFileNotFound;
        if (error->code == GST_RESOURCE_ERROR_NOT_AUTHORIZED)
            return result::kAccessDenied;
        domain = MediaErrorDomain::Resource;
    } else if (error->domain == GST_STREAM_ERROR) {
        domain = MediaErrorDomain::Stream;
    } else if (error->domain == GST_LIBRARY_ERROR) {
        domain = MediaErrorDomain::Library;
    }
    const ResultCode code = result::mediaError(domain, error->code);
    rememberMediaErrorMessage(code, QString::fromUtf8(error->message));
    return code;
}

ResultCode takeBusError(GstBus* bus, ResultCode fallback) {
    MessagePtr message(gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR));
    if (!message)
        return fallback;
    GError* raw = nullptr;
    gst_message_parse_error(message.get(), &raw, nullptr);
    ErrorPtr error(raw);
    return resultForError(error.get());
}

} // namespace kw::gst
