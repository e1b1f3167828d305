#include "app/frm_voice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTextToSpeech>
#include <QVBoxLayout>
#include <QVoice>

#include "session_window/qt_speaker.h"
#include "session_window/window_services.h"
#include "support/error_trap.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

QSlider* MakeSlider(QWidget* parent, const char* name, const QString& accessibleName, int minimum,
                    int maximum, int value) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setAccessibleName(accessibleName);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(5);
    slider->setPageStep(20);
    slider->setValue(value);
    return slider;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

frmVoice::frmVoice(const SpeechSettings& settings, QStringList engines, VoiceLister voices,
                   SpeakerFactory makeSpeaker, QWidget* parent)
    : QDialog(parent),
      mSettings(settings),
      mEngines(std::move(engines)),
      mVoices(std::move(voices)),
      mMakeSpeaker(std::move(makeSpeaker)) {
    setObjectName(QStringLiteral("frmVoice"));
    setWindowTitle(QStringLiteral("Voice"));
    setModal(true);
    BuildControls();
}

frmVoice::~frmVoice() {
    if (mSample) mSample->Stop();
}

void frmVoice::BuildControls() {
    cboEngine = new QComboBox(this);
    cboEngine->setObjectName(QStringLiteral("cboEngine"));
    cboEngine->setAccessibleName(tr("Engine"));
    cboEngine->addItem(tr("Automatic"), QString());
    for (const QString& engine : mEngines) cboEngine->addItem(engine, engine);
    // A saved engine that is gone stays listed, so that OK does not quietly drop it.
    if (!mSettings.engine.isEmpty() && cboEngine->findData(mSettings.engine) < 0) {
        cboEngine->addItem(tr("%1 (not installed)").arg(mSettings.engine), mSettings.engine);
    }
    cboEngine->setCurrentIndex(std::max(0, cboEngine->findData(mSettings.engine)));

    cboVoice = new QComboBox(this);
    cboVoice->setObjectName(QStringLiteral("cboVoice"));
    cboVoice->setAccessibleName(tr("Voice"));

    sldRate = MakeSlider(this, "sldRate", tr("Rate"), -100, 100, mSettings.ratePercent);
    sldVolume = MakeSlider(this, "sldVolume", tr("Volume"), 0, 100, mSettings.volumePercent);

    cmdSample = new QPushButton(tr("&Speak a sample"), this);
    cmdSample->setObjectName(QStringLiteral("cmdSample"));
    cmdSample->setAccessibleName(tr("Speak a sample"));
    cmdSample->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(tr("&Engine:"), cboEngine, this), cboEngine);
    form->addRow(BuddyLabel(tr("V&oice:"), cboVoice, this), cboVoice);
    form->addRow(BuddyLabel(tr("&Rate:"), sldRate, this), sldRate);
    form->addRow(BuddyLabel(tr("Vo&lume:"), sldVolume, this), sldVolume);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cmdSample, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    const QList<QWidget*> readingOrder = {cboEngine,
                                          cboVoice,
                                          sldRate,
                                          sldVolume,
                                          cmdSample,
                                          buttons->button(QDialogButtonBox::Ok),
                                          buttons->button(QDialogButtonBox::Cancel)};
    for (qsizetype i = 0; i + 1 < readingOrder.size(); ++i) {
        setTabOrder(readingOrder[i], readingOrder[i + 1]);
    }

    FillVoices(mSettings.voice);
    connect(cboEngine, &QComboBox::currentIndexChanged, this, [this] {
        mSample.reset();
        FillVoices({});
    });
    connect(cboVoice, &QComboBox::currentIndexChanged, this, [this] { mSample.reset(); });
    connect(cmdSample, &QPushButton::clicked, this, [this] { SpeakSample(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmVoice::FillVoices(const QString& selected) {
    const QSignalBlocker quiet(cboVoice);
    cboVoice->clear();
    cboVoice->addItem(tr("Default"), QString());
    const QString engine = cboEngine->currentData().toString();
    // Automatic picks its engine only when guidance starts; its voice is that engine's own.
    if (!engine.isEmpty() && mVoices) {
        for (const QString& voice : mVoices(engine)) cboVoice->addItem(voice, voice);
    }
    if (!selected.isEmpty() && cboVoice->findData(selected) < 0) {
        cboVoice->addItem(tr("%1 (not available)").arg(selected), selected);
    }
    cboVoice->setCurrentIndex(std::max(0, cboVoice->findData(selected)));
}

SpeechSettings frmVoice::Choices() const {
    SpeechSettings choices = mSettings;
    choices.engine = cboEngine->currentData().toString();
    choices.voice = cboVoice->currentData().toString();
    choices.ratePercent = sldRate->value();
    choices.volumePercent = sldVolume->value();
    return choices;
}

void frmVoice::SpeakSample() {
    Trap({"frmVoice", "cmdSample_Click"}, [&] {
        const SpeechSettings choices = Choices();
        if (!mSample && mMakeSpeaker) mSample = mMakeSpeaker(choices);
        if (!mSample || mSample->State() == SpeakerState::Error) {
            const QString why = mSample ? mSample->ErrorText() : QString();
            mSample.reset();
            cmdSample->setToolTip(tr("No voice could speak: %1")
                                      .arg(why.isEmpty() ? tr("no speech engine started") : why));
            return;
        }
        cmdSample->setToolTip({});
        mSample->SetRate(choices.Rate());
        mSample->Say(QString::fromLatin1(VOICE_SAMPLE_TEXT));
    });
}

bool ShowVoiceDialog(QWidget* owner) {
    bool saved = false;
    Trap({"frmVoice", "ShowVoiceDialog"}, [&] {
        const auto voices = [](const QString& engine) {
            QStringList names;
            QTextToSpeech* tts = OpenSpeechEngine(engine, {}, nullptr);
            if (tts && tts->state() != QTextToSpeech::Error) {
                for (const QVoice& voice : tts->availableVoices()) names << voice.name();
            }
            delete tts;
            return names;
        };
        const auto speaker = [](const SpeechSettings& settings) -> std::unique_ptr<Speaker> {
            if (WindowServices().makeSpeaker) return WindowServices().makeSpeaker(settings);
            return QtSpeaker::Create(settings);
        };
        frmVoice dialog(LoadSpeechSettings(), QTextToSpeech::availableEngines(), voices, speaker,
                        owner);
        if (RunModalDialog(dialog) != QDialog::Accepted) return;
        saved = SaveSpeechSettings(dialog.Choices());
    });
    return saved;
}

}  // namespace mindrova
