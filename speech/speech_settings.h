#pragma once
// The voice choices kept beside the window position: group [Speech] of the settings file.

#include <QString>

namespace mindrova {

struct SpeechSettings {
    bool enabled = false;
    QString engine;          // empty: the first engine that answers
    QString voice;           // empty: the engine's own default
    int ratePercent = 0;     // -100..100
    int volumePercent = 80;  // 0..100
    bool operator==(const SpeechSettings&) const = default;

    double Rate() const { return ratePercent / 100.0; }
    double Volume() const { return volumePercent / 100.0; }
};

// Missing or odd values read as the defaults above; numbers out of range are clamped.
SpeechSettings LoadSpeechSettings();
// Returns false when any value could not be written.
bool SaveSpeechSettings(const SpeechSettings& settings);

}  // namespace mindrova
