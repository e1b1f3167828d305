#pragma once
// A voice that reads texts aloud. The session decides what is said and when; an implementation
// only hands the work to its engine. Every call may come from inside the step timer's tick, so
// none of them may wait for the engine.

#include <QString>
#include <functional>

namespace mindrova {

enum class SpeakerState { Ready, Speaking, Paused, Error };

// Rates as the engines take them: 0 is the voice's normal pace, +1 about twice as fast, -1
// about half as fast.
struct RateRange {
    double minimum = -1.0;
    double maximum = 1.0;
};

class Speaker {
public:
    virtual ~Speaker() = default;

    // Cuts off whatever is being said (at a word boundary where the engine can) and says text.
    virtual void Say(const QString& text) = 0;
    virtual void SetRate(double rate) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Stop() = 0;
    virtual SpeakerState State() const = 0;
    virtual RateRange Rates() const { return {}; }
    // Why the engine cannot speak, when State() is Error.
    virtual QString ErrorText() const { return {}; }
    // Gives the engine a voice that speaks language (a code such as "de"); false, keeping the
    // voice it has, when none of its voices does.
    virtual bool UseVoiceFor(const QString& language) = 0;
    // The program is ending: lets go of the engine at once, neither bringing it to rest nor
    // deleting it (either may wait on an engine that no longer answers); the end of the process
    // takes it. Nothing reaches the engine afterwards. Returns whether an engine was left so.
    virtual bool Abandon() { return false; }

    // Called when the engine fails after it was created (no audio device, a daemon gone).
    std::function<void(const QString& reason)> onError;
};

}  // namespace mindrova
