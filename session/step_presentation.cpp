#include "session/step_presentation.h"

#include <QCoreApplication>
#include <QStringList>

#include "session/chosen_work.h"
#include "support/modal_seam.h"

namespace mindrova {
namespace {

const QString kLine = QStringLiteral("\r\n");
const QString kBlank = QStringLiteral("\r\n\r\n");

QString Paragraphs(const QStringList& paragraphs) {
    return paragraphs.join(kBlank);
}

QString SelectIssueText() {
    return Paragraphs({
        QCoreApplication::translate("Steps", "Please select an emotional issue you want to clear."),
        QCoreApplication::translate(
            "Steps",
            "It should be an issue which triggers negative emotions in you. For exampke, "
            "whenever you think about it you get upset, your hands are sweating, your "
            "heart is pounding, your blood circulates faster, your pulse accelerates."),
        QCoreApplication::translate("Steps", "Click button Next when you are ready."),
    });
}

QString AssignSudText() {
    return Paragraphs({
        QCoreApplication::translate(
            "Steps",
            "Now please assess the intensity of the issue - the level of discomfort it "
            "causes. Assign a SUD number to this issue."),
        QCoreApplication::translate(
            "Steps", "A SUD number is a unit on so called 'Subjective Unit of Distress' scale."),
        QCoreApplication::translate(
            "Steps",
            "It is number from 0 to 10, where 0 means that the issue is not bothering "
            "you at all, and 10 indicates the highest level of distress."),
        QCoreApplication::translate("Steps", "Go to the next step when you are ready."),
    });
}

QString StimulateThymusText() {
    return Paragraphs({
        QCoreApplication::translate(
            "Steps",
            "Breathe deeply and slowly - inhaling through the nose and out through the "
            "mouth. Slowly inhale, slowly exhale and stop for about three seconds."),
        QCoreApplication::translate(
            "Steps",
            "Gently tap your thymus with the index finger and middle finger for about "
            "half a minute. It doesn't matter which hand you use, left or right."),
        QCoreApplication::translate(
            "Steps",
            "Thymus gland regulates human's body and is its energetic battery. It is "
            "located behind your sternum and between your lungs, about 2 inches below "
            "the collarbone."),
        QCoreApplication::translate(
            "Steps", "When stimulating thymus, the will to heal - life's energy - is activated."),
        QCoreApplication::translate("Steps", "Click button Next when you are ready."),
    });
}

QString TappingText(const SessionState& state) {
    if (state.gblnPositiveSequence) {
        return QCoreApplication::translate(
                   "Steps",
                   "Continue tapping. Relax and remember to breathe slowly. Repeat (or "
                   "use your own words to reframe the issue): ") +
               kBlank + ChosenPhraseBlock(state);
    }
    return QCoreApplication::translate(
               "Steps",
               "Breathe slowly and gently tap the indicated points with the index "
               "finger and middle finger. Repeat (or use your own words): ") +
           kBlank + ChosenPhraseBlock(state);
}

QString RelaxText() {
    return Paragraphs({
        QCoreApplication::translate("Steps", "Say 'Peace' and take couple of deep breaths."),
        QCoreApplication::translate(
            "Steps",
            "Detach yourself from the issue. This issue is not you. It doesn't define "
            "you."),
        QCoreApplication::translate(
            "Steps",
            "If this issue was triggered by a situation in the past, re-live this "
            "situation, but this time separate yourself from it."),
        QCoreApplication::translate(
            "Steps",
            "Watch it through the lenses of a camera. Camera doesn't judge or assign "
            "emotions."),
        QCoreApplication::translate(
            "Steps",
            "Observe as this would happen to someone else. You can modify the situation "
            "- you can bring other people or beings, real of imaginary. You are in "
            "control. You can change your behavior but you cannot change behavior of "
            "people who caused harm to you."),
        QCoreApplication::translate(
            "Steps",
            "This will re-frame this event for you. You will remember it but the "
            "negative emotions will go away."),
        QCoreApplication::translate(
            "Steps",
            "In the next step you'll give yourself the comfort you wish had been given "
            "to you."),
    });
}

QString ReassessSudText() {
    return Paragraphs({
        QCoreApplication::translate("Steps", "Say 'Peace' and take a deep breath."),
        QCoreApplication::translate(
            "Steps",
            "Reasses SUD - the intensity of the emotion or stress related to given "
            "issue."),
        QCoreApplication::translate(
            "Steps",
            "If it decreased but it is still > 0, you may click the button 'Next' and "
            "continue tapping till it reaches zero, or you may stop the session and "
            "continue it at other time."),
        QCoreApplication::translate(
            "Steps",
            "If SUD = 0, either end the session or click the button 'Previous' couple "
            "of times to go back to the beginning of the process and move on to the "
            "next issue."),
        QCoreApplication::translate(
            "Steps",
            "Sometimes (though very rarely) it happens that the level of the stress "
            "increases.") +
            kLine +
            QCoreApplication::translate(
                "Steps",
                "If that's the case, stop working on that issue and try to clear some "
                "other, less intense issue. Come back to the original issue after the "
                "lighter issues are cleared."),
        QCoreApplication::translate("Steps", "To stop the session plese click the button 'Finish."),
    });
}

QString FinishText() {
    return Paragraphs({
        QCoreApplication::translate(
            "Steps",
            "Take a deep breath. Place one hand on your hearth and the other one abount "
            "one inch below your belly button - this spot is called 'dan tien'."),
        QCoreApplication::translate("Steps", "Concentrate on your heart and say:") + kLine +
            QCoreApplication::translate("Steps", "'I feel you. I understand you. I love you.'"),
        QCoreApplication::translate(
            "Steps",
            "Imagine energy flowing between your heart and your dan tien. As you breathe "
            "in, the energy goes up to your heart. As you breath out, the energy goes "
            "down to your dan tien."),
        QCoreApplication::translate(
            "Steps", "Send your love to the outside world, to everyone and everything."),
        QCoreApplication::translate("Steps", "Say:") + kLine +
            QCoreApplication::translate("Steps", "'I am greatful for this healing.'"),
        QCoreApplication::translate("Steps",
                                    "The issue is gone. You are safe. Somebody loves you."),
    });
}

QString ExplainNegativeText() {
    return Paragraphs({
        QCoreApplication::translate(
            "Steps",
            "Before working on the issue, you have first to tune in into the emotion "
            "associated with it."),
        QCoreApplication::translate(
            "Steps",
            "The best way is to 'poke' oneselves to feel related experience and "
            "sensations."),
        QCoreApplication::translate(
            "Steps",
            "(By putting yourself in the frightening situation without any negative "
            "consequences, your subonsciousness learns that anxiety isn\xE2\x80\x99"
            "t appropriate.)"),
        QCoreApplication::translate(
            "Steps",
            "The program will guide you through two 'negative rounds' of tapping before "
            "switching to positive mode, where actual treatment will take place."),
        QCoreApplication::translate("Steps", "Please go to the next step when you are ready."),
    });
}

QString TwoDigits(qint32 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

StepVisibility GetStepVisibility(Step step) {
    // Each flag names the steps it is tied to; unknown ids fall in with "every other step".
    StepVisibility v;
    v.panels = step != estIntro && step != estFinish;
    v.lblIntro = step == estIntro || step == estFinish;
    v.hands = step == estLeftHand || step == estRightHand;
    v.picShape = !v.hands && step != estSelectIssue && step != estAssignSUD &&
                 step != estReassessSUD && step != estFinish;
    v.fraMode = step == estSelectIssue;
    v.fraSUD_2 = step == estAssignSUD || step == estReassessSUD;
    v.shpGreen = step == estStimulateThymus;
    return v;
}

QString SegmentTitleText(Step step, bool positiveSequence) {
    if (step < estIntro || step > MAX_STEP) {
        ShowPlainMessage(QStringLiteral("GetSegmentTitle - wrong parameter passed"));
        return {};
    }
    switch (step) {
        case estSelectIssue:
            return QCoreApplication::translate("Steps", "Select Issue");
        case estAssignSUD:
            return QCoreApplication::translate("Steps", "Assign SUD");
        case estStimulateThymus:
            return QCoreApplication::translate("Steps", "Stimulate Thymus");
        case estLeftHand:
        case estRightHand:
            return QCoreApplication::translate("Steps", "Affirmation Statement");
        case estRelax:
            return QCoreApplication::translate("Steps", "Relax");
        case estReassessSUD:
            return QCoreApplication::translate("Steps", "Reasses SUD");
        case estExplainNegative:
            return QCoreApplication::translate("Steps", "Explanation of Negative Sequence");
        case estIntro:
        case estFinish:
            return {};
        default:
            break;
    }
    // Only the tapping points 7..22 are left.
    return positiveSequence ? QCoreApplication::translate("Steps", "Positive Sequence")
                            : QCoreApplication::translate("Steps", "Negative Sequence");
}

QString StepInstructionsText(Step step, const SessionState& state) {
    // Negative ids have no step to describe; ids past the last step read like a tapping point.
    if (step <= estNone) return {};
    switch (step) {
        case estIntro:
            return GetIntroText();
        case estSelectIssue:
            return SelectIssueText();
        case estAssignSUD:
            return AssignSudText();
        case estStimulateThymus:
            return StimulateThymusText();
        case estLeftHand:
        case estRightHand:
            return ChosenActivationText(state);
        case estRelax:
            return RelaxText();
        case estReassessSUD:
            return ReassessSudText();
        case estFinish:
            return FinishText();
        case estExplainNegative:
            return ExplainNegativeText();
        default:
            break;
    }
    return TappingText(state);
}

QString FormatElapsedTime(qint32 seconds) {
    // A negative count has no meaning on the clock; show it as the start.
    if (seconds < 0) seconds = 0;
    constexpr qint32 kDay = 86400;
    const qint32 hours = (seconds / 3600) % 24;
    const qint32 minutes = (seconds / 60) % 60;
    QString minutesSeconds = TwoDigits(minutes) + QLatin1Char(':') + TwoDigits(seconds % 60);
    // A session past the hour must not look as if it had just begun: hours lead from then on.
    if (seconds < 3600) return minutesSeconds;
    if (seconds < kDay) return QString::number(hours) + QLatin1Char(':') + minutesSeconds;
    return TwoDigits(hours) + QLatin1Char(':') + minutesSeconds;
}

}  // namespace mindrova
