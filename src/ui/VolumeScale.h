#pragma once

// The volume slider works on a logarithmic scale: position 1..100 against a level in hundredths
// of a decibel, -10000 (silent) to 0 (full).
namespace kw::ui {

inline constexpr int kSliderMin = 1;
inline constexpr int kSliderMax = 100;

// (log10(p) - 2) * 5000, truncated toward zero: 100 -> 0, 79 -> -511, 1 -> -10000.
int levelFromSlider(int position);

// The integer part of 10^(level / 5000 + 2): 0 -> 100, -500 -> 79, -10000 -> 1.
int sliderFromLevel(int level);

} // namespace kw::ui
