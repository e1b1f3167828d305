#pragma once
// The tapping-point markers: which marker belongs to a step, where each sits, and the blink
// arithmetic. Pure rules: the controller keeps the state and runs them, the window paints.

#include <QtGlobal>
#include <array>

#include "engine/steps.h"

namespace mindrova {

inline constexpr int MARKER_COUNT = 16;
inline constexpr int MARKER_SIZE_TWIPS = 240;

enum class MarkerContainer { Window, HandLeft, HandRight, Body };

struct MarkerPlace {
    const char* tag;
    MarkerContainer container;
    int left;  // twips inside the container
    int top;
};

// Indexed 1..16; index 0 is unused.
extern const std::array<MarkerPlace, MARKER_COUNT + 1> kMarkerPlaces;

// The thymus marker on the body picture.
inline constexpr int THYMUS_LEFT = 3330;
inline constexpr int THYMUS_TOP = 4650;

// Marker index for the timed steps 5..22, -1 for the other steps of the procedure, 0 otherwise.
qint32 GetStepDotIndex(Step step);

struct BlinkState {
    qint32 glngBlinkCounter = 0;
    qint32 glngBlinkSum = 0;
    bool gblnBlinkOn = false;
};

// One blink call. Returns true when the current marker must change its visibility; the new
// visibility is then state.gblnBlinkOn. Shown 11 calls, hidden 11, from the call after a reset.
inline bool AdvanceBlink(BlinkState& state) {
    state.glngBlinkSum += state.glngBlinkCounter;
    if (state.glngBlinkSum > 500) {
        state.glngBlinkSum = 0;
        state.glngBlinkCounter = 0;
        return false;
    }
    const bool toggles = state.glngBlinkCounter == 0;
    if (toggles) state.gblnBlinkOn = !state.gblnBlinkOn;
    state.glngBlinkCounter += 10;
    return toggles;
}

}  // namespace mindrova
