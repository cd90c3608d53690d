#include "AppState.h"

#include "playback/Player.h"
#include "subtitle/LineTable.h"

namespace kw {

AppState::AppState() = default;
AppState::~AppState() = default;

} // namespace kw
