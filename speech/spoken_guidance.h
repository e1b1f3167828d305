#pragma once
// Speaks the session's guidance as the session moves: the texts of the steps that wait for the
// user, the set-up statement on the karate-chop steps and one phrase line on each tapping
// point. It never lets the voice fall behind the marker: a step change cuts off what the step
// left was saying, and a phrase too long for its point is said faster or replaced by the
// point's name.
//
// Everything here runs inside the step timer's tick; the speaker only queues the work.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "session/session_listener.h"
#include "speech/speaker.h"

namespace mindrova {

// Share of a point's time a phrase may fill, leaving the engine room to start and, when the
// point before overran, to silence it first.
inline constexpr double POINT_SPEECH_SHARE = 0.85;

class SpokenGuidance : public SessionListener {
public:
    // Makes the speaker when guidance is first turned on; may return null when no engine starts.
    using SpeakerFactory = std::function<std::unique_ptr<Speaker>()>;

    SpokenGuidance(const SessionState& state, SpeakerFactory factory);
    ~SpokenGuidance() override;
    SpokenGuidance(const SpokenGuidance&) = delete;
    SpokenGuidance& operator=(const SpokenGuidance&) = delete;

    bool Enabled() const { return mEnabled; }
    // Turning on makes the speaker if there is none yet and speaks the current step at once
    // (or on Resume, when the session is paused). When no engine can speak, guidance stays
    // off and onUnavailable says why.
    void SetEnabled(bool on);
    void Toggle() { SetEnabled(!mEnabled); }

    // Why guidance could not start; empty while nothing has failed.
    const QString& UnavailableReason() const { return mUnavailableReason; }

    // The user's pace, -1..1; tapping points go faster when a phrase needs it.
    void SetPreferredRate(double rate) { mPreferredRate = rate; }
    double PreferredRate() const { return mPreferredRate; }

    // Drops the speaker, e.g. after another engine or voice was chosen; the next use makes one.
    void ResetSpeaker();
    Speaker* CurrentSpeaker() const { return mSpeaker.get(); }
    // The program is ending: the speaker lets go of its engine at once (Speaker::Abandon), and
    // guidance says nothing more, nor starts again. Returns whether an engine was left running.
    bool AbandonSpeaker();

    // A line shown under the current step's own text (the gentle word under the rating scale);
    // empty for none. Given as the step is drawn, before the step is told to the listeners, it
    // is said after the step's own words; given later in the step, it is said at once.
    void SetStepLine(const QString& line, bool stepBeingEntered);

    // The language a voice is looked for in as the speaker is made (see VoiceLanguageWanted);
    // empty keeps the engine's own voice.
    void SetVoiceLanguage(const QString& language) { mVoiceLanguage = language; }

    // Told when guidance turns itself off because the engine cannot speak.
    std::function<void(const QString& reason)> onUnavailable;
    // Told, with the whole notice, when guidance stays silent because no voice speaks the
    // language: reading the texts with a voice of another language would only confuse.
    std::function<void(const QString& notice)> onNoVoice;

    // SessionListener
    void StepEntered(Step left, const SessionState& state) override;
    void Paused() override;
    void Resumed() override;
    void SessionEnded() override;

private:
    bool EnsureSpeaker();
    void SpeakStep(const SessionState& state);
    void SpeakPoint(const SessionState& state);
    const QStringList& RoundLines(const SessionState& state);
    void Say(const QString& text, double rate);
    void EngineFailed(const QString& reason);
    void NoVoice();

    const SessionState& mState;
    SpeakerFactory mFactory;
    std::unique_ptr<Speaker> mSpeaker;
    bool mSpeakerBroken = false;
    // The program is ending: no speaker is made again.
    bool mAbandoned = false;
    std::unique_ptr<Speaker> mAbandonedSpeaker;
    bool mEnabled = false;
    bool mPaused = false;
    bool mSpeakOnResume = false;
    double mPreferredRate = 0.0;
    QString mUnavailableReason;
    QString mVoiceLanguage;
    QString mStepLine;
    // The phrase block of the round being tapped, split once a round rather than on every point.
    struct RoundLinesKey {
        Issue issue = eisNone;
        bool positive = false;
        QString ownWords;
        std::optional<PersonalSession> personal;
        bool operator==(const RoundLinesKey&) const = default;
    };
    std::optional<RoundLinesKey> mRoundLinesKey;
    QStringList mRoundLines;
};

}  // namespace mindrova
