#include "RepeatView.h"

namespace kw {

ToolbarState toolbarState(bool loaded, PlayState playState) {
    if (!loaded)
        return {};
    return {.playPause = true, .stop = playState != kStopped, .navigation = true};
}

} // namespace kw
