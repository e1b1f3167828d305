#pragma once
// The Voice dialog: which engine and voice speak the guidance, how fast and how loud, and a
// button that lets the user hear it. Every control has a name and a keyboard way to it.

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

#include "speech/speaker.h"
#include "speech/speech_settings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace mindrova {

// The sample the dialog speaks, in the texts' language.
QString VoiceSampleText();

// The name a person reads for an engine's plugin name ("Speech Dispatcher" for speechd); an
// engine this program does not know keeps its plugin name.
QString EngineDisplayName(const QString& engine);

class frmVoice : public QDialog {
    Q_OBJECT
public:
    using SpeakerFactory = std::function<std::unique_ptr<Speaker>(const SpeechSettings&)>;
    using VoiceLister = std::function<QStringList(const QString& engine)>;

    // engines: the installed ones; voices lists an engine's voices; makeSpeaker speaks the
    // sample. The dialog starts from settings.
    frmVoice(const SpeechSettings& settings, QStringList engines, VoiceLister voices,
             SpeakerFactory makeSpeaker, QWidget* parent = nullptr);
    ~frmVoice() override;

    // The choices as the controls show them now.
    SpeechSettings Choices() const;

private:
    void BuildControls();
    void FillVoices(const QString& selected);
    void SpeakSample();
    void DropSample();
    void ShowSampleFailure(const QString& reason);
    void ShowSampleNotice(const QString& text);
    void ShowValues();

    SpeechSettings mSettings;
    QStringList mEngines;
    VoiceLister mVoices;
    SpeakerFactory mMakeSpeaker;
    std::unique_ptr<Speaker> mSample;
    // The sample's engine failed after it started (no audio device); the next try makes another.
    bool mSampleFailed = false;
    QComboBox* cboEngine = nullptr;
    QComboBox* cboVoice = nullptr;
    QSlider* sldRate = nullptr;
    QSlider* sldVolume = nullptr;
    QLabel* lblRateValue = nullptr;
    QLabel* lblVolumeValue = nullptr;
    QPushButton* cmdSample = nullptr;
    QLabel* lblSampleNotice = nullptr;
};

// Runs the dialog with the saved choices and the desktop's engines; saves and returns true when
// the user pressed OK. The sample speaks with makeSpeaker; empty means the desktop's own engines.
bool ShowVoiceDialog(QWidget* owner, frmVoice::SpeakerFactory makeSpeaker = {});

}  // namespace mindrova
