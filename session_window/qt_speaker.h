#pragma once
// The desktop's speech engines behind the Speaker interface. Every call only posts the work to
// the event loop, so the step timer's tick never waits for an engine.

#include <QObject>
#include <QPointer>
#include <memory>

#include "session/speaker.h"
#include "session/speech_settings.h"

#include <QTextToSpeech>

namespace mindrova {

// The engine used when the user chose none and speech-dispatcher does not answer.
inline constexpr const char* FALLBACK_ENGINE = "flite";
inline constexpr const char* DESKTOP_ENGINE = "speechd";

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

    QString EngineName() const;
    QTextToSpeech* Engine() const { return mEngine; }

private:
    explicit QtSpeaker(QTextToSpeech* engine, QString failure);
    void Post(std::function<void(QTextToSpeech&)> work);
    void ReportError(const QString& reason);

    QPointer<QTextToSpeech> mEngine;
    QString mFailure;
    bool mErrorReported = false;
};

// Opens an engine by name and gives it the user's voice, rate and volume; null for an engine
// that is not installed. The Voice dialog uses it too, to list voices and speak its sample.
QTextToSpeech* OpenSpeechEngine(const QString& engine, const SpeechSettings& settings,
                                QObject* parent);

}  // namespace mindrova
