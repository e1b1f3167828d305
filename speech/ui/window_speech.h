#pragma once
// Spoken guidance's part of the session window: the "Spoken guidance" and "Voice..." menu items,
// the V key, the saved choices, and the calm notice in the status bar when no engine can speak.

#include <QEvent>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "speech/speaker.h"
#include "speech/speech_settings.h"
#include "speech/spoken_guidance.h"
#include "window/ui/status_notices.h"
#include "window/ui/window_part.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace mindrova {

class SessionController;

// What spoken guidance asks of the application around the window.
struct SpeechServices {
    // Runs the Voice dialog modally; true when it saved new choices to the settings file.
    std::function<bool(QWidget* owner)> showVoiceDialog;
    // Makes the voice; empty means the desktop's own engines. Tests put a recording speaker here.
    std::function<std::unique_ptr<Speaker>(const SpeechSettings& settings)> makeSpeaker;
};

inline constexpr const char* SPOKEN_GUIDANCE_ITEM =
    QT_TRANSLATE_NOOP("mindrova::WindowSpeech", "Spoken guidance");
inline constexpr const char* VOICE_ITEM = QT_TRANSLATE_NOOP("mindrova::WindowSpeech", "Voice...");

// The calm notice shown where spoken guidance cannot speak: in the session's status bar and in
// the Voice dialog when its sample cannot be spoken. reason is shown as plain text.
QString SpeechUnavailableNotice(const QString& reason);

// The part the application hands the session window.
WindowPartMaker SpokenGuidancePart(SpeechServices services);

class WindowSpeech : public QObject, public WindowPart {
    Q_OBJECT
public:
    // Adds the menu items among the window's parts' items and its notice to the status bar's
    // notices. Reads the saved choices; guidance saved as on starts once the window has first
    // been painted. The controller holds the step timer while the Voice dialog is open.
    WindowSpeech(frmMain& window, SpeechServices services);
    ~WindowSpeech() override;

    // The menu item: turns guidance on or off and saves the choice.
    void Toggle();
    bool Enabled() const { return mGuidance.Enabled(); }

    // WindowPart: the V key toggles; the gentle word is said with the step's words.
    bool TakeKey(KeyCommand command) override;
    void StepLineShown(const QString& line, bool stepBeingEntered) override {
        mGuidance.SetStepLine(line, stepBeingEntered);
    }
    bool SpeaksSteps() const override { return Enabled(); }
    // The program is ending: see SpokenGuidance::AbandonSpeaker. Guidance saved as on and not
    // yet started does not start. Returns whether an engine was left running.
    bool Abandon() override;

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
    SpeechServices mServices;
    QMenu* mMenu = nullptr;
    QAction* mnuPopUpSpeech = nullptr;
    QAction* mnuPopUpVoice = nullptr;
    QLabel* lblSpeechNotice = nullptr;
    SpeechSettings mSettings;
    bool mStartPending = false;
    SpokenGuidance mGuidance;
};

}  // namespace mindrova
