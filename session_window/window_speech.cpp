#include "session_window/window_speech.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QWindow>

#include "session/session_controller.h"
#include "session_window/qt_speaker.h"
#include "session_window/status_notices.h"
#include "session_window/window_services.h"
#include "support/error_trap.h"

namespace mindrova {

WindowSpeech::WindowSpeech(QWidget& window, SessionView& view, SessionController& controller,
                           QMenu& menu, QAction* before, StatusNotices& notices)
    : mWindow(window),
      mView(view),
      mController(controller),
      mNotices(notices),
      mSettings(LoadSpeechSettings()),
      mGuidance(controller.State(), [this] { return MakeSpeaker(); }) {
    mnuPopUpSpeech = new QAction(QString::fromLatin1(SPOKEN_GUIDANCE_ITEM), &menu);
    mnuPopUpSpeech->setObjectName(QStringLiteral("mnuPopUpSpeech"));
    mnuPopUpSpeech->setCheckable(true);
    mnuPopUpVoice = new QAction(QString::fromLatin1(VOICE_ITEM), &menu);
    mnuPopUpVoice->setObjectName(QStringLiteral("mnuPopUpVoice"));
    menu.insertAction(before, mnuPopUpSpeech);
    menu.insertAction(before, mnuPopUpVoice);
    // triggered has already flipped the check mark; the guidance decides what it shows.
    connect(mnuPopUpSpeech, &QAction::triggered, this, [this] { Toggle(); });
    connect(mnuPopUpVoice, &QAction::triggered, this, [this] { OpenVoiceDialog(); });

    lblSpeechNotice =
        notices.AddNotice(QStringLiteral("lblSpeechNotice"), tr("Spoken guidance notice"));

    mGuidance.SetPreferredRate(mSettings.Rate());
    mGuidance.onUnavailable = [this](const QString& reason) { ShowUnavailable(reason); };
    mController.AddListener(&mGuidance);
    // Guidance saved as on starts after the window's first paint: loading an engine takes a
    // moment that the opening window should not wait for.
    if (mSettings.enabled) {
        mStartPending = true;
        window.installEventFilter(this);
    }
}

// The window is painted in answer to its first expose; what is queued then runs after the paint.
void WindowSpeech::WatchForFirstExpose(QEvent::Type type) {
    if (type == QEvent::Show && mWindow.windowHandle()) {
        mWindow.removeEventFilter(this);
        mWindow.windowHandle()->installEventFilter(this);
    } else if (type == QEvent::Expose && mWindow.windowHandle() &&
               mWindow.windowHandle()->isExposed()) {
        mStartPending = false;
        mWindow.windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { SetEnabled(true, false); }, Qt::QueuedConnection);
    }
}

WindowSpeech::~WindowSpeech() {
    mController.RemoveListener(&mGuidance);
}

void WindowSpeech::Toggle() {
    Trap({"frmMain", "mnuPopUpSpeech_Click"}, [&] { SetEnabled(!mGuidance.Enabled(), true); });
}

void WindowSpeech::SetEnabled(bool on, bool save) {
    if (on) HideNotice();
    mGuidance.SetEnabled(on);
    UpdateMenu();
    if (!save) return;
    // The user's wish is kept even when the engine failed this time.
    mSettings.enabled = on;
    SaveSpeechSettings(mSettings);
}

void WindowSpeech::OpenVoiceDialog() {
    Trap({"frmMain", "mnuPopUpVoice_Click"}, [&] {
        if (!WindowServices().showVoiceDialog) return;
        // As with the About box, the session waits while the dialog is open, and the guidance
        // falls silent so that the sample can be heard.
        const bool wasRunning = mView.StepTimerEnabled();
        mView.SetStepTimerEnabled(false);
        if (Speaker* speaker = mGuidance.CurrentSpeaker()) speaker->Stop();
        const bool saved = WindowServices().showVoiceDialog(&mWindow);
        mView.SetStepTimerEnabled(wasRunning);
        if (!saved) return;
        const bool enabled = mSettings.enabled;
        mSettings = LoadSpeechSettings();
        mSettings.enabled = enabled;
        mGuidance.SetPreferredRate(mSettings.Rate());
        // The next words come from the engine and voice just chosen.
        mGuidance.ResetSpeaker();
        UpdateMenu();
    });
}

std::unique_ptr<Speaker> WindowSpeech::MakeSpeaker() {
    if (WindowServices().makeSpeaker) return WindowServices().makeSpeaker(mSettings);
    return QtSpeaker::Create(mSettings);
}

void WindowSpeech::ShowUnavailable(const QString& reason) {
    UpdateMenu();
    const QString text =
        tr("Spoken guidance is unavailable (%1). The session goes on without it.").arg(reason);
    mNotices.Show(lblSpeechNotice, text);
}

void WindowSpeech::HideNotice() {
    mNotices.Hide(lblSpeechNotice);
}

bool WindowSpeech::eventFilter(QObject* watched, QEvent* event) {
    if (mStartPending && (watched == &mWindow || watched == mWindow.windowHandle())) {
        WatchForFirstExpose(event->type());
    }
    return QObject::eventFilter(watched, event);
}

void WindowSpeech::UpdateMenu() {
    mnuPopUpSpeech->setChecked(mGuidance.Enabled());
    const QString reason = mGuidance.UnavailableReason();
    mnuPopUpSpeech->setText(reason.isEmpty()
                                ? QString::fromLatin1(SPOKEN_GUIDANCE_ITEM)
                                : QStringLiteral("%1 (unavailable: %2)")
                                      .arg(QString::fromLatin1(SPOKEN_GUIDANCE_ITEM), reason));
}

}  // namespace mindrova
