#include "WarningSound.h"

#include <QFileInfo>
#include <gst/gst.h>
#include <memory>
#include <thread>

namespace kw {
namespace {

constexpr qint64 kMaxSoundBytes = 1024 * 1024;

struct GstObjectUnref {
    void operator()(gpointer object) const { gst_object_unref(object); }
};
struct GstMessageUnref {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};

void playToEnd(const QByteArray& uri) {
    std::unique_ptr<GstElement, GstObjectUnref> player(
        gst_element_factory_make("playbin", nullptr));
    if (!player)
        return;
    g_object_set(player.get(), "uri", uri.constData(), nullptr);
    if (gst_element_set_state(player.get(), GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE) {
        std::unique_ptr<GstBus, GstObjectUnref> bus(gst_element_get_bus(player.get()));
        std::unique_ptr<GstMessage, GstMessageUnref> end(gst_bus_timed_pop_filtered(
            bus.get(), GST_CLOCK_TIME_NONE, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)));
    }
    gst_element_set_state(player.get(), GST_STATE_NULL);
}

} // namespace

bool isPlayableWarningSound(const QString& soundFile) {
    const QFileInfo info(soundFile);
    return info.isFile() && info.size() > 0 && info.size() < kMaxSoundBytes;
}

void playWarningSound(const QString& soundFile) {
    std::thread([soundFile] {
        if (!isPlayableWarningSound(soundFile))
            return;
        gchar* uri = gst_filename_to_uri(QFile::encodeName(soundFile).constData(), nullptr);
        if (!uri)
            return;
        const QByteArray uriBytes(uri);
        g_free(uri);
        playToEnd(uriBytes);
    }).detach();
}

} // namespace kw
