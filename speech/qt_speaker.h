#pragma once
// The desktop's speech engines behind the Speaker interface. Every call only posts the work to
// the event loop, so the step timer's tick never waits for an engine.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

#include "speech/speaker.h"
#include "speech/speech_settings.h"

#include <QTextToSpeech>

namespace mindrova {

// The engine used when the user chose none and speech-dispatcher does not answer.
inline constexpr const char* FALLBACK_ENGINE = "flite";
inline constexpr const char* DESKTOP_ENGINE = "speechd";

// Least time between two texts handed to the engine. Cutting one text short with the next many
// times a second (a user pressing Next quickly) can crash the audio output of some engines;
// within the gap only the latest text is kept and said when the gap ends.
inline constexpr int MINIMUM_SAY_GAP_MS = 400;
// A text still being read is paused and replaced (or stopped) only after this rest, for the same
// reason; the tapping points leave room for it.
inline constexpr int OUTPUT_SETTLE_MS = 150;
// Longest wait for an engine told to stop before it is deleted anyway; the window is never held
// longer than this and two settles.
inline constexpr int ENGINE_STOP_WAIT_MS = 1500;
// Longest wait for the engine to report that a call took effect (a text started, a pause held)
// before the speaker goes on without the report.
inline constexpr int ENGINE_REPORT_WAIT_MS = 2000;
// How long an engine that reads on a thread of its own may still be preparing a text after it
// began reading it, per character of the text: it turns the whole text into sound before it
// takes the next call. Above the slowest seen on a busy machine (about 3 ms).
inline constexpr int PREPARE_MS_PER_CHARACTER = 4;
// The longest that hold lasts, so that turning guidance off ends even a long text soon; a text
// that long is prepared well within it.
inline constexpr int PREPARE_HOLD_MAX_MS = 2000;
// Read at no volume to end a text; see QtSpeaker::EndQuietly.
inline constexpr const char* QUIET_TEXT = "Rest.";

class QtSpeaker : public QObject, public Speaker {
    Q_OBJECT
public:
    // Starts the engine the user chose, else speech-dispatcher when it answers, else flite.
    // Never null: a speaker whose engine did not start reports State() Error and says why.
    static std::unique_ptr<QtSpeaker> Create(const SpeechSettings& settings);
    ~QtSpeaker() override;

    void Say(const QString& text) override;
    void SetRate(double rate) override;
    void Pause() override;
    void Resume() override;
    void Stop() override;
    SpeakerState State() const override;
    QString ErrorText() const override;
    bool UseVoiceFor(const QString& language) override;
    bool Abandon() override;

    QString EngineName() const;
    QTextToSpeech* Engine() const { return mEngine; }

private:
    // Before the engine is deleted, brings it to rest the way a replaced text is silenced:
    // pause, let the output settle, end the text quietly, let it settle again. Deleting an engine
    // whose audio output still plays can crash its audio thread. Bounded; events other than the
    // user's input run meanwhile, so the window keeps painting.
    void Rest();
    // Stops the speaker's own timer and queued calls and no longer listens to the engine.
    void StopOwnWork();
    void EndQuietly(QTextToSpeech& engine);
    explicit QtSpeaker(QTextToSpeech* engine, QString failure);
    // The one place that hands calls to the engine; see the comment at its definition.
    void Drive();
    bool SayPending();
    void Send(QTextToSpeech::State expected);
    void OnEngineState(QTextToSpeech::State state);
    void ReportError(const QString& reason);

    QPointer<QTextToSpeech> mEngine;
    QTimer mSayGap;
    // Runs while a call handed to the engine has not yet been reported as taken; see Drive.
    QTimer mAwaitGuard;
    std::optional<QTextToSpeech::State> mAwaiting;
    // The engine reads the text last handed to it and may still be preparing the rest of it.
    bool mPreparing = false;
    qsizetype mSaidLength = 0;
    QString mPendingText;
    bool mHasPending = false;
    bool mPaused = false;
    bool mResumeWanted = false;
    bool mStopWanted = false;
    double mRate = 0.0;
    double mVolume = 1.0;
    bool mResting = false;
    QString mFailure;
    bool mErrorReported = false;
    // The engine was given text and may still hold an audio output.
    bool mEverSaid = false;
};

// Opens an engine by name and gives it the user's voice, rate and volume; null for an engine
// that is not installed. The Voice dialog uses it too, to list voices and speak its sample.
QTextToSpeech* OpenSpeechEngine(const QString& engine, const SpeechSettings& settings,
                                QObject* parent);

}  // namespace mindrova
