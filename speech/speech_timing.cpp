#include "speech/speech_timing.h"

#include <algorithm>
#include <cmath>

namespace mindrova {
namespace {

qsizetype SpokenLength(const QString& text) {
    return text.simplified().size();
}

}  // namespace

double EstimateSpeechSeconds(const QString& text, double rate) {
    return static_cast<double>(SpokenLength(text)) /
           (SPOKEN_CHARACTERS_PER_SECOND * std::exp2(rate));
}

std::optional<double> RateToFit(const QString& text, double seconds, double preferredRate,
                                RateRange range) {
    if (!(seconds > 0.0)) return std::nullopt;
    const double preferred = std::clamp(preferredRate, range.minimum, range.maximum);
    if (EstimateSpeechSeconds(text, preferred) <= seconds) return preferred;
    const double atNormalPace = EstimateSpeechSeconds(text, 0.0);
    const double needed = std::log2(atNormalPace / seconds);
    if (needed > range.maximum) return std::nullopt;
    return std::max(needed, preferred);
}

}  // namespace mindrova
