#include "session_window/qt_speaker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

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
    connect(&mSayGap, &QTimer::timeout, this, [this] { SayPending(); });
    if (!engine) return;
    mRate = engine->rate();
    mVolume = engine->volume();
    engine->setParent(this);
    connect(engine, &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason, const QString& text) { ReportError(text); });
    // Some engines only change state when the audio output fails.
    connect(engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Error && mEngine) ReportError(mEngine->errorString());
    });
}

QtSpeaker::~QtSpeaker() {
    Rest();
}

void QtSpeaker::StopOwnWork() {
    // Nothing queued for this speaker may run while it rests, nor after it is gone.
    mResting = true;
    mSayGap.stop();
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

// Runs the engine call from the event loop, after the tick that asked for it has returned.
void QtSpeaker::Post(std::function<void(QTextToSpeech&)> work) {
    if (!mEngine) return;
    QMetaObject::invokeMethod(
        this,
        [this, work = std::move(work)] {
            if (mEngine && mEngine->state() != QTextToSpeech::Error) work(*mEngine);
        },
        Qt::QueuedConnection);
}

void QtSpeaker::Say(const QString& text) {
    mPendingText = text;
    mHasPending = true;
    mPaused = false;
    if (!mSayGap.isActive()) {
        QMetaObject::invokeMethod(
            this, [this] { SayPending(); }, Qt::QueuedConnection);
    }
}

// From the event loop: hands the latest text to the engine unless a gap is still running.
// say() ends whatever is being read before it starts the new text.
void QtSpeaker::SayPending() {
    if (!mHasPending || mSayGap.isActive() || mPaused) return;
    if (!mEngine || mEngine->state() == QTextToSpeech::Error) return;
    if (mEngine->state() == QTextToSpeech::Speaking) {
        // Silence the running text first and replace it once the output has come to rest:
        // replacing a text while its audio still plays is what some outputs do not survive.
        mEngine->pause(QTextToSpeech::BoundaryHint::Immediate);
        mSayGap.start(OUTPUT_SETTLE_MS);
        return;
    }
    mHasPending = false;
    if (mEngine->rate() != mRate) mEngine->setRate(mRate);
    if (mEngine->volume() != mVolume) mEngine->setVolume(mVolume);
    mEverSaid = true;
    mEngine->say(mPendingText);
    mSayGap.start(MINIMUM_SAY_GAP_MS);
}

void QtSpeaker::SetRate(double rate) {
    // Taken with the next text, so that a text waiting for its turn keeps the rate it was given.
    mRate = rate;
}

void QtSpeaker::Pause() {
    mPaused = true;
    Post([](QTextToSpeech& engine) {
        if (engine.state() == QTextToSpeech::Speaking) engine.pause();
    });
}

void QtSpeaker::Resume() {
    mPaused = false;
    if (mHasPending) {
        QMetaObject::invokeMethod(
            this, [this] { SayPending(); }, Qt::QueuedConnection);
        return;
    }
    Post([](QTextToSpeech& engine) {
        if (engine.state() == QTextToSpeech::Paused) engine.resume();
    });
}

void QtSpeaker::Stop() {
    mHasPending = false;
    mPendingText.clear();
    // As when a text is replaced: silence first, end once the output has come to rest.
    Post([this](QTextToSpeech& engine) {
        if (engine.state() == QTextToSpeech::Speaking) {
            engine.pause(QTextToSpeech::BoundaryHint::Immediate);
        }
        QTimer::singleShot(OUTPUT_SETTLE_MS, this, [this] {
            if (mEngine && !mResting && !mHasPending && !AtRest(*mEngine)) EndQuietly(*mEngine);
        });
    });
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
