#include "speech/qt_speaker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <algorithm>
#include <optional>

namespace mindrova {
namespace {

SpeakerState FromEngine(QTextToSpeech::State state) {
    switch (state) {
        case QTextToSpeech::Ready:
            return SpeakerState::Ready;
        case QTextToSpeech::Speaking:
            return SpeakerState::Speaking;
        case QTextToSpeech::Paused:
            return SpeakerState::Paused;
        case QTextToSpeech::Error:
            break;
    }
    return SpeakerState::Error;
}

bool Answers(const QTextToSpeech* engine) {
    return engine && engine->state() != QTextToSpeech::Error;
}

bool AtRest(const QTextToSpeech& engine) {
    return engine.state() == QTextToSpeech::Ready || engine.state() == QTextToSpeech::Error;
}

// Waits up to ms, or until the engine is at rest when untilAtRest. The engine's own signals and
// the window's painting go on meanwhile; the user's input waits until afterwards, so that no
// command runs in the middle of a close.
void WaitFor(QTextToSpeech& engine, int ms, bool untilAtRest) {
    if (untilAtRest && AtRest(engine)) return;
    if (QCoreApplication::instance() == nullptr ||
        QThread::currentThread() != QCoreApplication::instance()->thread()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (untilAtRest) {
        QObject::connect(&engine, &QTextToSpeech::stateChanged, &loop, [&] {
            if (AtRest(engine)) loop.quit();
        });
    }
    limit.start(ms);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

QTextToSpeech* OpenSpeechEngine(const QString& engine, const SpeechSettings& settings,
                                QObject* parent) {
    if (!QTextToSpeech::availableEngines().contains(engine)) return nullptr;
    auto* tts = new QTextToSpeech(engine, parent);
    if (!Answers(tts)) return tts;
    if (!settings.voice.isEmpty()) {
        const QList<QVoice> voices = tts->availableVoices();
        for (const QVoice& voice : voices) {
            if (voice.name() == settings.voice) {
                tts->setVoice(voice);
                break;
            }
        }
    }
    tts->setRate(settings.Rate());
    tts->setVolume(settings.Volume());
    return tts;
}

std::unique_ptr<QtSpeaker> QtSpeaker::Create(const SpeechSettings& settings) {
    QStringList candidates;
    if (!settings.engine.isEmpty()) {
        candidates << settings.engine;
    } else {
        candidates << QString::fromLatin1(DESKTOP_ENGINE) << QString::fromLatin1(FALLBACK_ENGINE);
    }
    QTextToSpeech* engine = nullptr;
    QString failure;
    for (const QString& name : candidates) {
        delete engine;
        engine = OpenSpeechEngine(name, settings, nullptr);
        if (Answers(engine)) break;
        if (!engine) {
            failure = tr("the speech engine \"%1\" is not installed").arg(name);
        } else {
            failure = engine->errorString();
            if (failure.isEmpty()) {
                failure = tr("the speech engine \"%1\" did not start").arg(name);
            }
        }
    }
    return std::unique_ptr<QtSpeaker>(new QtSpeaker(engine, Answers(engine) ? QString() : failure));
}

QtSpeaker::QtSpeaker(QTextToSpeech* engine, QString failure)
    : mEngine(engine), mFailure(std::move(failure)) {
    mSayGap.setSingleShot(true);
    mSayGap.setInterval(MINIMUM_SAY_GAP_MS);
    connect(&mSayGap, &QTimer::timeout, this, [this] { Drive(); });
    mAwaitGuard.setSingleShot(true);
    connect(&mAwaitGuard, &QTimer::timeout, this, [this] {
        mAwaiting.reset();
        mPreparing = false;
        Drive();
    });
    if (!engine) return;
    mRate = engine->rate();
    mVolume = engine->volume();
    engine->setParent(this);
    connect(engine, &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason, const QString& text) { ReportError(text); });
    connect(engine, &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { OnEngineState(state); });
}

QtSpeaker::~QtSpeaker() {
    Rest();
}

void QtSpeaker::StopOwnWork() {
    // Nothing queued for this speaker may run while it rests, nor after it is gone.
    mResting = true;
    mSayGap.stop();
    mAwaitGuard.stop();
    mAwaiting.reset();
    mPreparing = false;
    mStopWanted = false;
    mResumeWanted = false;
    mHasPending = false;
    mPendingText.clear();
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    if (mEngine) mEngine->disconnect(this);
}

void QtSpeaker::Rest() {
    StopOwnWork();
    if (!mEngine || !mEverSaid) return;
    QPointer<QTextToSpeech> engine = mEngine;
    if (!AtRest(*engine)) {
        if (engine->state() == QTextToSpeech::Speaking) {
            engine->pause(QTextToSpeech::BoundaryHint::Immediate);
            WaitFor(*engine, OUTPUT_SETTLE_MS, false);
        }
        if (engine) EndQuietly(*engine);
        // The engine may still report the end of the text it was reading before the quiet one.
        if (engine) WaitFor(*engine, OUTPUT_SETTLE_MS, false);
        if (engine) WaitFor(*engine, ENGINE_STOP_WAIT_MS, true);
    }
    if (engine) WaitFor(*engine, OUTPUT_SETTLE_MS, false);
    if (engine && !AtRest(*engine)) {
        // Still playing after every wait: deleting it now is what crashes. It is left to the end
        // of the process instead, which costs one engine's memory.
        engine->setParent(nullptr);
        mEngine = nullptr;
    }
}

// Neither the waits of Rest nor deleting the engine: an engine without an audio device, or one
// still playing, may hold either for long. The engine keeps whatever it was doing until the
// process ends, which is moments away.
bool QtSpeaker::Abandon() {
    StopOwnWork();
    if (!mEngine) return false;
    mEngine->setParent(nullptr);
    mEngine = nullptr;
    return true;
}

// Ends what the engine reads without stopping its audio output: a short text read at no volume
// replaces it, and the output comes to rest as it does after every text. Stopping an output that
// plays or is paused, or deleting it, can crash the engine's audio thread.
void QtSpeaker::EndQuietly(QTextToSpeech& engine) {
    engine.setVolume(0.0);
    engine.say(QString::fromLatin1(QUIET_TEXT));
}

void QtSpeaker::Say(const QString& text) {
    mPendingText = text;
    mHasPending = true;
    mPaused = false;
    mResumeWanted = false;
    mStopWanted = false;
    // From the event loop, after the tick that asked for it has returned.
    QMetaObject::invokeMethod(
        this, [this] { Drive(); }, Qt::QueuedConnection);
}

// Hands the engine at most one call at a time. An engine that reads on a thread of its own takes
// each call only when it is done with the one before; a text it is still preparing holds every
// later call back. If that text then fails, the engine tears down its audio output and runs the
// calls held back in the middle of doing so: a pause among them crashes its audio thread. So
// after each call nothing more is handed over until the engine has reported the state the call
// leads to (or ENGINE_REPORT_WAIT_MS has passed); in between the speaker only notes what it is
// asked for, keeping the latest.
void QtSpeaker::Drive() {
    if (mResting || mAwaiting || !mEngine || mEngine->state() == QTextToSpeech::Error) return;
    if (SayPending()) return;
    const QTextToSpeech::State state = mEngine->state();
    if ((mPaused || mStopWanted) && state == QTextToSpeech::Speaking) {
        mEngine->pause(QTextToSpeech::BoundaryHint::Immediate);
        Send(QTextToSpeech::Paused);
        return;
    }
    if (mStopWanted) {
        // Ended once the output has come to rest after the pause.
        if (mSayGap.isActive()) return;
        mStopWanted = false;
        if (state == QTextToSpeech::Paused) {
            EndQuietly(*mEngine);
            mSaidLength = static_cast<qsizetype>(qstrlen(QUIET_TEXT));
            Send(QTextToSpeech::Speaking);
        }
        return;
    }
    if (mResumeWanted && !mPaused) {
        mResumeWanted = false;
        if (state == QTextToSpeech::Paused) {
            mEngine->resume();
            mSaidLength = 0;
            Send(QTextToSpeech::Speaking);
        }
    }
}

// Notes that a call was handed to the engine and waits for its report.
void QtSpeaker::Send(QTextToSpeech::State expected) {
    mAwaiting = expected;
    mAwaitGuard.start(ENGINE_REPORT_WAIT_MS);
}

void QtSpeaker::OnEngineState(QTextToSpeech::State state) {
    // Some engines only change state when the audio output fails.
    if (state == QTextToSpeech::Error) {
        mAwaiting.reset();
        mPreparing = false;
        mAwaitGuard.stop();
        if (mEngine) ReportError(mEngine->errorString());
        return;
    }
    if (!mAwaiting) return;
    if (mPreparing) {
        // Still reading, and maybe still preparing; once it stopped reading it prepares nothing.
        if (state == QTextToSpeech::Speaking) return;
        mPreparing = false;
        mAwaiting.reset();
        mAwaitGuard.stop();
        QMetaObject::invokeMethod(
            this, [this] { Drive(); }, Qt::QueuedConnection);
        return;
    }
    const bool paused = *mAwaiting == QTextToSpeech::Paused;
    // A pause is also over when the text ended first; a text being started passes through Ready
    // on its way to Speaking.
    const bool taken = state == *mAwaiting || (paused && state == QTextToSpeech::Ready);
    if (!taken) return;
    if (state == QTextToSpeech::Speaking && mSaidLength > 0) {
        // A text began: the engine may take the next call only once the whole text is prepared.
        mPreparing = true;
        mAwaitGuard.start(static_cast<int>(
            std::min<qsizetype>(mSaidLength * PREPARE_MS_PER_CHARACTER, PREPARE_HOLD_MAX_MS)));
        mSaidLength = 0;
        return;
    }
    mAwaiting.reset();
    mAwaitGuard.stop();
    // Silenced: the output rests a moment before it is replaced or ended.
    if (paused && (mHasPending || mStopWanted)) mSayGap.start(OUTPUT_SETTLE_MS);
    QMetaObject::invokeMethod(
        this, [this] { Drive(); }, Qt::QueuedConnection);
}

// Hands the latest text to the engine unless a gap is still running; a text being read is first
// paused and replaced once the output has come to rest: replacing a text while its audio still
// plays is what some outputs do not survive. True when the pending text holds the engine.
bool QtSpeaker::SayPending() {
    if (!mHasPending || mPaused) return false;
    if (mSayGap.isActive()) return true;
    if (mEngine->state() == QTextToSpeech::Speaking) {
        mEngine->pause(QTextToSpeech::BoundaryHint::Immediate);
        Send(QTextToSpeech::Paused);
        return true;
    }
    mHasPending = false;
    if (mEngine->rate() != mRate) mEngine->setRate(mRate);
    if (mEngine->volume() != mVolume) mEngine->setVolume(mVolume);
    mEverSaid = true;
    mEngine->say(mPendingText);
    mSaidLength = mPendingText.size();
    Send(QTextToSpeech::Speaking);
    mSayGap.start(MINIMUM_SAY_GAP_MS);
    return true;
}

void QtSpeaker::SetRate(double rate) {
    // Taken with the next text, so that a text waiting for its turn keeps the rate it was given.
    mRate = rate;
}

void QtSpeaker::Pause() {
    mPaused = true;
    mResumeWanted = false;
    QMetaObject::invokeMethod(
        this, [this] { Drive(); }, Qt::QueuedConnection);
}

void QtSpeaker::Resume() {
    mPaused = false;
    mResumeWanted = !mHasPending;
    QMetaObject::invokeMethod(
        this, [this] { Drive(); }, Qt::QueuedConnection);
}

void QtSpeaker::Stop() {
    mHasPending = false;
    mPendingText.clear();
    mResumeWanted = false;
    // As when a text is replaced: silence first, end once the output has come to rest.
    mStopWanted = true;
    QMetaObject::invokeMethod(
        this, [this] { Drive(); }, Qt::QueuedConnection);
}

// An engine lists only the voices of its current locale, so a locale of the language is chosen
// first: the one of the desktop's country when there is one, else the first.
bool QtSpeaker::UseVoiceFor(const QString& language) {
    if (!mEngine || mEngine->state() == QTextToSpeech::Error) return false;
    const QLocale wanted(language);
    if (wanted.language() == QLocale::C) return false;
    if (mEngine->locale().language() == wanted.language() &&
        !mEngine->availableVoices().isEmpty()) {
        return true;
    }
    std::optional<QLocale> chosen;
    const QList<QLocale> locales = mEngine->availableLocales();
    for (const QLocale& locale : locales) {
        if (locale.language() != wanted.language()) continue;
        if (!chosen || locale.territory() == QLocale::system().territory()) chosen = locale;
    }
    if (!chosen) return false;
    mEngine->setLocale(*chosen);
    const QList<QVoice> voices = mEngine->availableVoices();
    if (voices.isEmpty() || mEngine->locale().language() != wanted.language()) return false;
    if (mEngine->voice().locale().language() != wanted.language()) {
        mEngine->setVoice(voices.first());
    }
    return true;
}

SpeakerState QtSpeaker::State() const {
    if (!mEngine || !mFailure.isEmpty()) return SpeakerState::Error;
    return FromEngine(mEngine->state());
}

QString QtSpeaker::ErrorText() const {
    if (!mFailure.isEmpty()) return mFailure;
    return mEngine ? mEngine->errorString() : QString();
}

QString QtSpeaker::EngineName() const {
    return mEngine ? mEngine->engine() : QString();
}

void QtSpeaker::ReportError(const QString& reason) {
    if (mErrorReported) return;
    mErrorReported = true;
    mFailure = reason.isEmpty() ? tr("the speech engine stopped working") : reason;
    // Told from the event loop: the listener may drop this speaker in answer.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (auto handler = onError) handler(mFailure);
        },
        Qt::QueuedConnection);
}

}  // namespace mindrova
