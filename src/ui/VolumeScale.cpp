#include "VolumeScale.h"

#include <algorithm>
#include <cmath>

namespace kw::ui {

int levelFromSlider(int position) {
    position = std::clamp(position, kSliderMin, kSliderMax);
    return static_cast<int>((std::log10(double(position)) - 2.0) * 5000.0);
}

int sliderFromLevel(int level) {
    const int position = static_cast<int>(std::pow(10.0, double(level) / 5000.0 + 2.0));
    return std::clamp(position, kSliderMin, kSliderMax);
}

} // namespace kw::ui
