#include "speech/ui/frm_voice.h"

#include <QAccessible>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTextToSpeech>
#include <QVBoxLayout>
#include <QVoice>

#include "support/ui/dialog_button.h"
#include "support/ui/dialog_button_row.h"
#include "session/text_language.h"
#include "speech/qt_speaker.h"
#include "speech/ui/window_speech.h"
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

QString RateText(int percent) {
    return percent > 0 ? QStringLiteral("+%1").arg(percent) : QString::number(percent);
}

QString VolumeText(int percent) {
    return QStringLiteral("%1%").arg(percent);
}

// The value beside its slider, as wide as its widest value so that the slider does not move.
QLabel* ValueLabel(const char* name, const QString& widest, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    return label;
}

}  // namespace

QString EngineDisplayName(const QString& engine) {
    if (engine == QLatin1String("speechd")) return QStringLiteral("Speech Dispatcher");
    if (engine == QLatin1String("flite")) return QStringLiteral("Festival Lite");
    return engine;
}

frmVoice::frmVoice(const SpeechSettings& settings, QStringList engines, VoiceLister voices,
                   SpeakerFactory makeSpeaker, QWidget* parent)
    : QDialog(parent),
      mSettings(settings),
      mEngines(std::move(engines)),
      mVoices(std::move(voices)),
      mMakeSpeaker(std::move(makeSpeaker)) {
    setObjectName(QStringLiteral("frmVoice"));
    setWindowTitle(tr("Voice"));
    setModal(true);
    BuildControls();
}

frmVoice::~frmVoice() {
    // The engine rests before it goes; see QtSpeaker.
    DropSample();
}

void frmVoice::BuildControls() {
    cboEngine = new QComboBox(this);
    cboEngine->setObjectName(QStringLiteral("cboEngine"));
    cboEngine->setAccessibleName(tr("Engine"));
    cboEngine->addItem(tr("Automatic"), QString());
    for (const QString& engine : mEngines) cboEngine->addItem(EngineDisplayName(engine), engine);
    // A saved engine that is gone stays listed, so that OK does not quietly drop it.
    if (!mSettings.engine.isEmpty() && cboEngine->findData(mSettings.engine) < 0) {
        cboEngine->addItem(tr("%1 (not installed)").arg(EngineDisplayName(mSettings.engine)),
                           mSettings.engine);
    }
    cboEngine->setCurrentIndex(std::max(0, cboEngine->findData(mSettings.engine)));
    cboEngine->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    cboVoice = new QComboBox(this);
    cboVoice->setObjectName(QStringLiteral("cboVoice"));
    cboVoice->setAccessibleName(tr("Voice"));
    cboVoice->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    sldRate = MakeSlider(this, "sldRate", tr("Rate"), -100, 100, mSettings.ratePercent);
    sldVolume = MakeSlider(this, "sldVolume", tr("Volume"), 0, 100, mSettings.volumePercent);
    lblRateValue = ValueLabel("lblRateValue", RateText(-100), this);
    lblVolumeValue = ValueLabel("lblVolumeValue", VolumeText(100), this);

    cmdSample = new QPushButton(tr("&Speak a sample"), this);
    cmdSample->setObjectName(QStringLiteral("cmdSample"));
    cmdSample->setAccessibleName(tr("Speak a sample"));
    cmdSample->setAutoDefault(false);

    // The engine's reason can be anything, even markup from a hand-edited settings file.
    lblSampleNotice = new QLabel(this);
    lblSampleNotice->setObjectName(QStringLiteral("lblSampleNotice"));
    lblSampleNotice->setAccessibleName(tr("Spoken guidance notice"));
    lblSampleNotice->setTextFormat(Qt::PlainText);
    lblSampleNotice->setWordWrap(true);
    // Wraps within the width the controls give the dialog rather than widening it.
    lblSampleNotice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblSampleNotice->hide();

    // As the program's other dialogs: captioned buttons on the right, OK the default.
    QPushButton* cmdOK = DialogButton(tr("&OK"), "cmdOK", this);
    QPushButton* cmdCancel = DialogButton(tr("&Cancel"), "cmdCancel", this);

    auto* rate = new QHBoxLayout;
    rate->addWidget(sldRate, 1);
    rate->addWidget(lblRateValue);
    auto* volume = new QHBoxLayout;
    volume->addWidget(sldVolume, 1);
    volume->addWidget(lblVolumeValue);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(BuddyLabel(tr("&Engine:"), cboEngine, this), cboEngine);
    form->addRow(BuddyLabel(tr("V&oice:"), cboVoice, this), cboVoice);
    form->addRow(BuddyLabel(tr("&Rate:"), sldRate, this), rate);
    form->addRow(BuddyLabel(tr("Vo&lume:"), sldVolume, this), volume);
    QHBoxLayout* buttons = AcceptCancelRow(*this, cmdOK, cmdCancel);
    // Room for the sliders to be moved finely, in any font and text size.
    const int character = fontMetrics().horizontalAdvance(QLatin1Char('x'));
    sldRate->setMinimumWidth(30 * character);
    sldVolume->setMinimumWidth(30 * character);
    auto* layout = new QVBoxLayout(this);
    // The dialog takes the size its content needs, and grows when the notice shows.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addWidget(cmdSample, 0, Qt::AlignLeft);
    layout->addWidget(lblSampleNotice);
    layout->addStretch(1);
    layout->addLayout(buttons);
    const QList<QWidget*> readingOrder = {cboEngine, cboVoice, sldRate,  sldVolume,
                                          cmdSample, cmdOK,    cmdCancel};
    for (qsizetype i = 0; i + 1 < readingOrder.size(); ++i) {
        setTabOrder(readingOrder[i], readingOrder[i + 1]);
    }

    FillVoices(mSettings.voice);
    ShowValues();
    connect(cboEngine, &QComboBox::currentIndexChanged, this, [this] {
        DropSample();
        FillVoices({});
    });
    connect(cboVoice, &QComboBox::currentIndexChanged, this, [this] { DropSample(); });
    connect(sldRate, &QSlider::valueChanged, this, [this] { ShowValues(); });
    connect(sldVolume, &QSlider::valueChanged, this, [this] { ShowValues(); });
    connect(cmdSample, &QPushButton::clicked, this, [this] { SpeakSample(); });
}

void frmVoice::ShowValues() {
    lblRateValue->setText(RateText(sldRate->value()));
    lblVolumeValue->setText(VolumeText(sldVolume->value()));
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

void frmVoice::DropSample() {
    mSampleFailed = false;
    if (!mSample) return;
    mSample->onError = nullptr;
    mSample.reset();
}

void frmVoice::SpeakSample() {
    Trap({"frmVoice", "cmdSample_Click"}, [&] {
        const SpeechSettings choices = Choices();
        if (mSampleFailed) DropSample();
        if (!mSample && mMakeSpeaker) mSample = mMakeSpeaker(choices);
        if (!mSample || mSample->State() == SpeakerState::Error) {
            const QString why = mSample ? mSample->ErrorText() : QString();
            DropSample();
            ShowSampleFailure(why.isEmpty() ? tr("no speech engine started") : why);
            return;
        }
        cmdSample->setToolTip({});
        lblSampleNotice->hide();
        lblSampleNotice->clear();
        // Most engines find out only now that there is no audio device; told from the event loop.
        mSample->onError = [this](const QString& reason) {
            mSampleFailed = true;
            ShowSampleFailure(reason);
        };
        // With no voice chosen the sample is said as guidance would say it: by a voice of the
        // texts' language, or not at all.
        const QString language = VoiceLanguageWanted(choices.voice);
        if (!language.isEmpty() && !mSample->UseVoiceFor(language)) {
            DropSample();
            ShowSampleNotice(NoVoiceForTextLanguage());
            return;
        }
        mSample->SetRate(choices.Rate());
        mSample->Say(VoiceSampleText());
    });
}

// The same calm notice as the session's status bar, in the dialog; never a box.
void frmVoice::ShowSampleFailure(const QString& reason) {
    cmdSample->setToolTip(LiteralToolTip(tr("No voice could speak: %1").arg(reason)));
    ShowSampleNotice(SpeechUnavailableNotice(reason));
}

void frmVoice::ShowSampleNotice(const QString& text) {
    lblSampleNotice->setText(text);
    lblSampleNotice->setAccessibleDescription(text);
    lblSampleNotice->show();
    QAccessibleEvent changed(lblSampleNotice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QString VoiceSampleText() {
    return QCoreApplication::translate("mindrova::frmVoice",
                                       "Breathe slowly and gently tap the indicated points. This "
                                       "is how your guidance will sound.");
}

bool ShowVoiceDialog(QWidget* owner, frmVoice::SpeakerFactory makeSpeaker) {
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
        const auto speaker =
            [&makeSpeaker](const SpeechSettings& settings) -> std::unique_ptr<Speaker> {
            if (makeSpeaker) return makeSpeaker(settings);
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
