#pragma once
// The window's text size: a share of the designed size, 100 to 200 %, kept as [Display] TextScale
// in the settings file. Ctrl+Plus, Ctrl+Minus and Ctrl+0 change it in the window; the Appearance
// dialog chooses it too.

namespace mindrova {

inline constexpr int TEXT_SCALE_MIN = 100;
inline constexpr int TEXT_SCALE_MAX = 200;
inline constexpr int TEXT_SCALE_DEFAULT = 100;
inline constexpr int TEXT_SCALE_STEP = 10;

// A text scale as it may be used: TEXT_SCALE_DEFAULT for anything outside 100..200.
int ValidTextScale(int percent);

// The saved share; missing or out of range reads as TEXT_SCALE_DEFAULT.
int LoadTextScale();
// Returns false when the value could not be written.
bool SaveTextScale(int percent);

}  // namespace mindrova
