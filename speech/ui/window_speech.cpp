#include "speech/ui/window_speech.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWindow>
#include <utility>

#include "session/session_controller.h"
#include "session/text_language.h"
#include "speech/qt_speaker.h"
#include "window/ui/frm_main.h"
#include "window/ui/status_notices.h"
#include "support/error_trap.h"

namespace mindrova {

WindowPartMaker SpokenGuidancePart(SpeechServices services) {
    return MakerOf<WindowSpeech>(std::move(services));
}

WindowSpeech::WindowSpeech(frmMain& window, SpeechServices services)
    : mWindow(window),
      mController(window.controller()),
      mNotices(window.notices()),
      mServices(std::move(services)),
      mSettings(LoadSpeechSettings()),
      mGuidance(mController.State(), [this] { return MakeSpeaker(); }) {
    QMenu& menu = window.menu();
    QAction* before = window.partItemsEnd();
    mnuPopUpSpeech = new QAction(tr(SPOKEN_GUIDANCE_ITEM), &menu);
    mnuPopUpSpeech->setObjectName(QStringLiteral("mnuPopUpSpeech"));
    mnuPopUpSpeech->setCheckable(true);
    // The V beside the item is a hint only: the window's key handling already turns guidance on
    // and off with V, and an item of a popup menu never fires as a shortcut of the window. While
    // the menu is open, its own key handling below takes V.
    mnuPopUpSpeech->setShortcut(QKeySequence(Qt::Key_V));
    mnuPopUpSpeech->setShortcutContext(Qt::WidgetShortcut);
    mnuPopUpSpeech->setShortcutVisibleInContextMenu(true);
    mnuPopUpVoice = new QAction(tr(VOICE_ITEM), &menu);
    mnuPopUpVoice->setObjectName(QStringLiteral("mnuPopUpVoice"));
    menu.insertAction(before, mnuPopUpSpeech);
    menu.insertAction(before, mnuPopUpVoice);
    // triggered has already flipped the check mark; the guidance decides what it shows.
    connect(mnuPopUpSpeech, &QAction::triggered, this, [this] { Toggle(); });
    connect(mnuPopUpVoice, &QAction::triggered, this, [this] { OpenVoiceDialog(); });
    mMenu = &menu;
    menu.installEventFilter(this);

    lblSpeechNotice =
        mNotices.AddNotice(QStringLiteral("lblSpeechNotice"), tr("Spoken guidance notice"));

    mGuidance.SetPreferredRate(mSettings.Rate());
    mGuidance.SetVoiceLanguage(VoiceLanguageWanted(mSettings.voice));
    mGuidance.onUnavailable = [this](const QString& reason) { ShowUnavailable(reason); };
    mGuidance.onNoVoice = [this](const QString& notice) {
        UpdateMenu();
        mNotices.Show(lblSpeechNotice, notice);
    };
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

bool WindowSpeech::Abandon() {
    if (mStartPending) {
        mStartPending = false;
        mWindow.removeEventFilter(this);
        if (QWindow* handle = mWindow.windowHandle()) handle->removeEventFilter(this);
    }
    return mGuidance.AbandonSpeaker();
}

bool WindowSpeech::TakeKey(KeyCommand command) {
    if (command != KeyCommand::ToggleSpeech) return false;
    Toggle();
    return true;
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
        if (!mServices.showVoiceDialog) return;
        // As with the About box, the session waits while the dialog is open, and the guidance
        // falls silent so that the sample can be heard.
        bool saved = false;
        {
            const StepTimerHold hold(mController);
            if (Speaker* speaker = mGuidance.CurrentSpeaker()) speaker->Stop();
            saved = mServices.showVoiceDialog(&mWindow);
        }
        if (!saved) return;
        const bool enabled = mSettings.enabled;
        mSettings = LoadSpeechSettings();
        mSettings.enabled = enabled;
        mGuidance.SetPreferredRate(mSettings.Rate());
        mGuidance.SetVoiceLanguage(VoiceLanguageWanted(mSettings.voice));
        // The next words come from the engine and voice just chosen.
        mGuidance.ResetSpeaker();
        UpdateMenu();
    });
}

std::unique_ptr<Speaker> WindowSpeech::MakeSpeaker() {
    if (mServices.makeSpeaker) return mServices.makeSpeaker(mSettings);
    return QtSpeaker::Create(mSettings);
}

void WindowSpeech::ShowUnavailable(const QString& reason) {
    UpdateMenu();
    const QString text = SpeechUnavailableNotice(reason);
    mNotices.Show(lblSpeechNotice, text);
}

void WindowSpeech::HideNotice() {
    mNotices.Hide(lblSpeechNotice);
}

bool WindowSpeech::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mMenu && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_V && key->modifiers() == Qt::NoModifier &&
            mnuPopUpSpeech->isEnabled()) {
            mMenu->close();
            mnuPopUpSpeech->trigger();
            return true;
        }
    }
    if (mStartPending && (watched == &mWindow || watched == mWindow.windowHandle())) {
        WatchForFirstExpose(event->type());
    }
    return QObject::eventFilter(watched, event);
}

// The reason guidance is unavailable is told in the status-bar notice; the item keeps its short
// caption, so that a long reason never widens the menu.
void WindowSpeech::UpdateMenu() {
    mnuPopUpSpeech->setChecked(mGuidance.Enabled());
}

QString SpeechUnavailableNotice(const QString& reason) {
    return QCoreApplication::translate("mindrova::WindowSpeech",
                                       "Spoken guidance is unavailable (%1). The session goes on "
                                       "without it.")
        .arg(reason);
}

}  // namespace mindrova
