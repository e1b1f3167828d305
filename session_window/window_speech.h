#pragma once
// Spoken guidance in the session window: the "Spoken guidance" and "Voice..." menu items, the V
// key, the saved choices, and the calm notice in the status bar when no engine can speak.

#include <QEvent>
#include <QObject>
#include <QString>

#include "session/speech_settings.h"
#include "session/spoken_guidance.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace mindrova {

class SessionController;
class SessionView;
class StatusNotices;

inline constexpr const char* SPOKEN_GUIDANCE_ITEM = "Spoken guidance";
inline constexpr const char* VOICE_ITEM = "Voice...";

class WindowSpeech : public QObject {
    Q_OBJECT
public:
    // Adds the menu items before `before` and its notice to the status bar's notices. Reads the
    // saved choices; guidance saved as on starts once the window has first been painted.
    // view is the window's: the step timer holds while the Voice dialog is open.
    WindowSpeech(QWidget& window, SessionView& view, SessionController& controller, QMenu& menu,
                 QAction* before, StatusNotices& notices);
    ~WindowSpeech() override;

    // The V key and the menu item: turns guidance on or off and saves the choice.
    void Toggle();
    bool Enabled() const { return mGuidance.Enabled(); }

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
    SessionView& mView;
    SessionController& mController;
    StatusNotices& mNotices;
    QAction* mnuPopUpSpeech = nullptr;
    QAction* mnuPopUpVoice = nullptr;
    QLabel* lblSpeechNotice = nullptr;
    SpeechSettings mSettings;
    bool mStartPending = false;
    SpokenGuidance mGuidance;
};

}  // namespace mindrova
