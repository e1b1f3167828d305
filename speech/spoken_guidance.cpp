#include "speech/spoken_guidance.h"

#include <QCoreApplication>

#include "engine/rounds.h"
#include "speech/speech_timing.h"
#include "session/spoken_texts.h"
#include "session/text_language.h"

namespace mindrova {
namespace {

// Asked for each time, as the language is chosen after start-up.
QString NoEngine() {
    return QCoreApplication::translate("Speech", "no speech engine could be started");
}

}  // namespace

SpokenGuidance::SpokenGuidance(const SessionState& state, SpeakerFactory factory)
    : mState(state), mFactory(std::move(factory)) {}

SpokenGuidance::~SpokenGuidance() {
    if (mSpeaker) mSpeaker->onError = nullptr;
}

void SpokenGuidance::SetEnabled(bool on) {
    if (on == mEnabled || (on && mAbandoned)) return;
    if (!on) {
        mEnabled = false;
        mSpeakOnResume = false;
        if (mSpeaker) mSpeaker->Stop();
        return;
    }
    if (!EnsureSpeaker()) return;
    mEnabled = true;
    mUnavailableReason.clear();
    if (mPaused) {
        mSpeakOnResume = true;
    } else {
        SpeakStep(mState);
    }
}

void SpokenGuidance::ResetSpeaker() {
    if (mAbandoned) return;
    mSpeakerBroken = false;
    if (!mSpeaker) return;
    mSpeaker->onError = nullptr;
    mSpeaker->Stop();
    mSpeaker.reset();
    if (mEnabled && EnsureSpeaker() && !mPaused) SpeakStep(mState);
}

bool SpokenGuidance::AbandonSpeaker() {
    mAbandoned = true;
    mEnabled = false;
    mSpeakOnResume = false;
    mSpeakerBroken = false;
    if (!mSpeaker) return false;
    mSpeaker->onError = nullptr;
    const bool left = mSpeaker->Abandon();
    // Out of every path that reaches the speaker; it goes with the guidance.
    mAbandonedSpeaker = std::move(mSpeaker);
    return left;
}

bool SpokenGuidance::EnsureSpeaker() {
    if (mSpeakerBroken) {
        mSpeakerBroken = false;
        mSpeaker->onError = nullptr;
        mSpeaker.reset();
    }
    if (!mSpeaker && mFactory) mSpeaker = mFactory();
    if (!mSpeaker) {
        EngineFailed(NoEngine());
        return false;
    }
    if (mSpeaker->State() == SpeakerState::Error) {
        const QString why = mSpeaker->ErrorText();
        EngineFailed(why.isEmpty() ? NoEngine() : why);
        return false;
    }
    mSpeaker->onError = [this](const QString& reason) { EngineFailed(reason); };
    if (!mVoiceLanguage.isEmpty() && !mSpeaker->UseVoiceFor(mVoiceLanguage)) {
        NoVoice();
        return false;
    }
    return true;
}

void SpokenGuidance::NoVoice() {
    mUnavailableReason = NoVoiceForTextLanguage();
    mEnabled = false;
    mSpeakOnResume = false;
    if (mSpeaker) mSpeaker->Stop();
    if (onNoVoice) {
        onNoVoice(mUnavailableReason);
    } else if (onUnavailable) {
        onUnavailable(mUnavailableReason);
    }
}

void SpokenGuidance::EngineFailed(const QString& reason) {
    mUnavailableReason = reason.isEmpty() ? NoEngine() : reason;
    mEnabled = false;
    mSpeakOnResume = false;
    // A broken engine is made anew on the next try, as the audio device may be back by then.
    // It is not destroyed here: this may run inside one of its own calls.
    mSpeakerBroken = mSpeaker != nullptr;
    if (onUnavailable) onUnavailable(mUnavailableReason);
}

void SpokenGuidance::StepEntered(Step /*left*/, const SessionState& state) {
    // Any step change runs the session again, whether or not Resume was pressed.
    mPaused = false;
    mSpeakOnResume = false;
    if (mEnabled) SpeakStep(state);
}

void SpokenGuidance::Paused() {
    mPaused = true;
    if (mEnabled && mSpeaker) mSpeaker->Pause();
}

void SpokenGuidance::Resumed() {
    mPaused = false;
    if (!mEnabled || !mSpeaker) return;
    if (mSpeakOnResume) {
        mSpeakOnResume = false;
        SpeakStep(mState);
    } else {
        mSpeaker->Resume();
    }
}

void SpokenGuidance::SessionEnded() {
    mSpeakOnResume = false;
    if (mSpeaker) mSpeaker->Stop();
}

void SpokenGuidance::SpeakStep(const SessionState& state) {
    const Step step = state.genmCurrentStep;
    if (step == estLeftHand || step == estRightHand) {
        Say(SetupStatementSpeech(step, state), mPreferredRate);
    } else if (PointIndexInRound(step) >= 0) {
        SpeakPoint(state);
    } else if (IsUntimedStep(step)) {
        QString text = UntimedStepSpeech(step, state);
        if (!mStepLine.isEmpty()) text += QStringLiteral("\n\n") + mStepLine;
        Say(text, mPreferredRate);
    } else if (mSpeaker) {
        mSpeaker->Stop();
    }
}

void SpokenGuidance::SetStepLine(const QString& line, bool stepBeingEntered) {
    mStepLine = line;
    if (stepBeingEntered || line.isEmpty() || !mEnabled || mPaused) return;
    Say(line, mPreferredRate);
}

const QStringList& SpokenGuidance::RoundLines(const SessionState& state) {
    const RoundLinesKey key{state.genmSelectedIssue, state.gblnPositiveSequence,
                            state.gstrOwnWords, state.gPersonal};
    if (mRoundLinesKey != key) {
        mRoundLines = PhraseLines(state.genmCurrentStep, state);
        mRoundLinesKey = key;
    }
    return mRoundLines;
}

void SpokenGuidance::SpeakPoint(const SessionState& state) {
    const Step step = state.genmCurrentStep;
    const QString line = PhraseLineForPoint(RoundLines(state), PointIndexInRound(state));
    const double seconds = GetStepLength(step, state.gPace) * POINT_SPEECH_SHARE;
    const RateRange range = mSpeaker ? mSpeaker->Rates() : RateRange{};
    if (const auto rate = RateToFit(line, seconds, mPreferredRate, range);
        rate && !line.isEmpty()) {
        Say(line, *rate);
        return;
    }
    const QString name = GetStepDescription(step);
    Say(name, RateToFit(name, seconds, mPreferredRate, range).value_or(range.maximum));
}

void SpokenGuidance::Say(const QString& text, double rate) {
    if (!mSpeaker) return;
    if (text.isEmpty()) {
        mSpeaker->Stop();
        return;
    }
    mSpeaker->SetRate(rate);
    mSpeaker->Say(text);
}

}  // namespace mindrova
