// The playback poll runs every 10 ms for hours: it must not touch the heap. Every malloc of the
// process is counted here (operator new and Qt's containers both end in malloc).
#include "playback/Player.h"
#include "playback/sim/SimMedia.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "subtitle/LineTable.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void __libc_free(void* p);
}

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void noteAllocation() {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}

// Shows nothing, so that only the controller's own work is measured.
class SilentView : public kw::RepeatView {
public:
    void setStatusText(StatusPart, QStringView) override {}
    void setToolbarState(const kw::ToolbarState&) override {}
    void setPlayImage(bool) override {}
    void hideToolTip() override {}
    void refresh() override {}
    void posRefresh() override {}
    void showError(QStringView) override {}
};

} // namespace

extern "C" {
void* malloc(std::size_t size) {
    noteAllocation();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    noteAllocation();
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    noteAllocation();
    return __libc_realloc(p, size);
}
void free(void* p) {
    __libc_free(p);
}
}

TEST(TickAllocation, PollingWhilePlayingAllocatesNothing) {
    kw::sim::SimMedia media;
    media.addFile("/a.mp3", 120000);
    SilentView view;
    kw::AppState state;
    kw::RepeatController controller(state, view);
    state.lineTable = std::make_unique<kw::LineTable>();
    ASSERT_EQ(state.lineTable->loadBytes("[00:00.00]one\n[00:05.00]two\n[01:00.00]three\n"),
              kw::LineTable::Loaded);
    state.player = std::make_unique<kw::Player>(media.newPlaybackPipeline());
    ASSERT_EQ(state.player->open("/a.mp3", &controller, kw::Parser::Preferred), kw::result::kOk);
    state.bLoaded = true;
    state.totalCount = 1;
    controller.playPause();

    // Ten seconds of polls: the time text changes every second and playback flows on into the
    // second line without a seek.
    long during = 0;
    for (int i = 0; i < 1000; ++i) {
        media.advanceMs(10);
        allocations = 0;
        counting = true;
        controller.tick();
        counting = false;
        during += allocations;
    }
    EXPECT_EQ(state.curLine, 1);
    EXPECT_EQ(during, 0);
}
