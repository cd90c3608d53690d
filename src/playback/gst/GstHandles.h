#pragma once

// One owner per GStreamer object: these handles release it when they go.
#include <gst/gst.h>
#include <memory>

namespace kw::gst {

struct ObjectUnref {
    void operator()(gpointer object) const { gst_object_unref(object); }
};
struct MessageUnref {
    void operator()(GstMessage* message) const { gst_message_unref(message); }
};
struct QueryUnref {
    void operator()(GstQuery* query) const { gst_query_unref(query); }
};
struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
struct GFree {
    void operator()(gpointer memory) const { g_free(memory); }
};
struct StructureFree {
    void operator()(GstStructure* structure) const { gst_structure_free(structure); }
};
struct CapsUnref {
    void operator()(GstCaps* caps) const { gst_caps_unref(caps); }
};

template <typename T> using ObjectPtr = std::unique_ptr<T, ObjectUnref>;
using MessagePtr = std::unique_ptr<GstMessage, MessageUnref>;
using QueryPtr = std::unique_ptr<GstQuery, QueryUnref>;
using ErrorPtr = std::unique_ptr<GError, ErrorFree>;
using CapsPtr = std::unique_ptr<GstCaps, CapsUnref>;
template <typename T> using GFreePtr = std::unique_ptr<T, GFree>;

// Takes a new reference to a floating or borrowed object.
template <typename T> ObjectPtr<T> refObject(T* object) {
    return ObjectPtr<T>(static_cast<T*>(gst_object_ref_sink(object)));
}

// gst_init once per process; false when GStreamer cannot start.
bool ensureInitialized();

} // namespace kw::gst
