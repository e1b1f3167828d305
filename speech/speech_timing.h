#pragma once
// How long a text takes to say, and how fast it must be said to fit the time a step gives it.
// Estimates only: the tapping points keep their two seconds whatever the voice does, so the
// estimate errs on the long side.

#include <QString>
#include <optional>

#include "speech/speaker.h"

namespace mindrova {

// Characters (spaces included, runs of white space counted once) an average voice says in a
// second at rate 0: about 150 words a minute.
inline constexpr double SPOKEN_CHARACTERS_PER_SECOND = 14.0;

// Seconds to say text at the given rate; each step of +1 in rate halves the time.
double EstimateSpeechSeconds(const QString& text, double rate);

// The rate at which text fits in seconds: preferredRate when it fits already, a faster rate
// within range when that is enough, nothing when even the fastest rate is too slow.
std::optional<double> RateToFit(const QString& text, double seconds, double preferredRate,
                                RateRange range);

}  // namespace mindrova
