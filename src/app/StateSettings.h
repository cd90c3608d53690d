#pragma once

#include "app/settings/Settings.h"

namespace kw {

struct AppState;

// Copies the loaded settings into the application state (channel starts at stereo in every
// run) and back, for saving.
void applySettings(const Settings& settings, AppState& state);
Settings settingsOf(const AppState& state);

} // namespace kw
