#pragma once
// Spoken guidance in the session window: the "Spoken guidance" and "Voice..." menu items, the V
// key, the saved choices, and the calm notice in the status bar when no engine can speak.

#include <QEvent>
#include <QObject>
#include <QString>

#include "speech/speech_settings.h"
#include "speech/spoken_guidance.h"
#include "window/ui/status_notices.h"
#include "window/ui/window_services.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace mindrova {

class SessionController;

inline constexpr const char* SPOKEN_GUIDANCE_ITEM =
    QT_TRANSLATE_NOOP("mindrova::WindowSpeech", "Spoken guidance");
inline constexpr const char* VOICE_ITEM = QT_TRANSLATE_NOOP("mindrova::WindowSpeech", "Voice...");

// The calm notice shown where spoken guidance cannot speak: in the session's status bar and in
// the Voice dialog when its sample cannot be spoken. reason is shown as plain text.
QString SpeechUnavailableNotice(const QString& reason);

class WindowSpeech : public QObject {
    Q_OBJECT
public:
    // Adds the menu items before `before` and its notice to the status bar's notices. Reads the
    // saved choices; guidance saved as on starts once the window has first been painted. The
    // controller holds the step timer while the Voice dialog is open. services (the voice and
    // the Voice dialog) must outlive this object.
    WindowSpeech(QWidget& window, SessionController& controller, QMenu& menu, QAction* before,
                 StatusNotices& notices, const SessionWindowServices& services);
    ~WindowSpeech() override;

    // The V key and the menu item: turns guidance on or off and saves the choice.
    void Toggle();
    bool Enabled() const { return mGuidance.Enabled(); }
    // A line shown under the step's own text; see SpokenGuidance::SetStepLine.
    void SetStepLine(const QString& line, bool stepBeingEntered) {
        mGuidance.SetStepLine(line, stepBeingEntered);
    }
    // The program is ending: see SpokenGuidance::AbandonSpeaker. Guidance saved as on and not
    // yet started does not start. Returns whether an engine was left running.
    bool Abandon();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetEnabled(bool on, bool save);
    void WatchForFirstExpose(QEvent::Type type);
    void OpenVoiceDialog();
    void ShowUnavailable(const QString& reason);
    void HideNotice();
    void UpdateMenu();
    std::unique_ptr<Speaker> MakeSpeaker();

    QWidget& mWindow;
    SessionController& mController;
    StatusNotices& mNotices;
    const SessionWindowServices& mServices;
    QMenu* mMenu = nullptr;
    QAction* mnuPopUpSpeech = nullptr;
    QAction* mnuPopUpVoice = nullptr;
    QLabel* lblSpeechNotice = nullptr;
    SpeechSettings mSettings;
    bool mStartPending = false;
    SpokenGuidance mGuidance;
};

}  // namespace mindrova
