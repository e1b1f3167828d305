#include "engine/steps.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "support/error_trap.h"
#include "support/modal_seam.h"
#include "support/trace_log.h"

namespace mindrova {
namespace {

// Where a successor column says kByRule, the tapping-step rules of GetNextStep_Navigation and
// GetPrevStep decide (by the round's polarity), and the table is never read.
constexpr Step kByRule = static_cast<Step>(-1);

struct StepRow {
    Step step;
    const char* name;
    const char* description;
    qint32 length;
    Step next;            // where the step timer goes when the step's time is up
    Step nextNavigation;  // where Next goes
    Step previous;        // the step Previous starts from
};

// One row a step, in the order of the enumeration; estNone has no name or description of its own.
constexpr std::array<StepRow, MAX_STEP + 1> kSteps{{
    {estNone, "", "", 2, estIntro, estIntro, estIntro},
    {estIntro, QT_TRANSLATE_NOOP("Steps", "Intro"), QT_TRANSLATE_NOOP("Steps", "Intro"), 0,
     estSelectIssue, estSelectIssue, estIntro},
    {estSelectIssue, QT_TRANSLATE_NOOP("Steps", "Select Issue"), "", 0, estAssignSUD, estAssignSUD,
     estIntro},
    {estAssignSUD, QT_TRANSLATE_NOOP("Steps", "Assign SUD"), "", 0, estStimulateThymus,
     estStimulateThymus, estSelectIssue},
    {estStimulateThymus, QT_TRANSLATE_NOOP("Steps", "Stimulate Thymus"), "", 0, estLeftHand,
     estLeftHand, estAssignSUD},
    {estLeftHand, QT_TRANSLATE_NOOP("Steps", "Left Hand"),
     QT_TRANSLATE_NOOP("Steps", "Karate chop - Left Hand"), 10, estRightHand, estExplainNegative,
     estStimulateThymus},
    {estRightHand, QT_TRANSLATE_NOOP("Steps", "Right Hand"),
     QT_TRANSLATE_NOOP("Steps", "Karate chop - Right Hand"), 10, estExplainNegative,
     estExplainNegative, estStimulateThymus},
    // The round: the left side from the top of the head down, back to the top, the right side.
    {estTopHead1, QT_TRANSLATE_NOOP("Steps", "Top Head"), QT_TRANSLATE_NOOP("Steps", "Top Head"), 2,
     estLeftEyebrow, kByRule, kByRule},
    {estTopHead2, QT_TRANSLATE_NOOP("Steps", "Top Head"), QT_TRANSLATE_NOOP("Steps", "Top Head"), 2,
     estRightEyebrow, kByRule, kByRule},
    {estLeftEyebrow, QT_TRANSLATE_NOOP("Steps", "Left Eyebrow"),
     QT_TRANSLATE_NOOP("Steps", "Left Eyebrow"), 2, estLeftEyeCorner, kByRule, kByRule},
    {estLeftEyeCorner, QT_TRANSLATE_NOOP("Steps", "Left Eye Corner"),
     QT_TRANSLATE_NOOP("Steps", "Left Eye Corner"), 2, estLeftUnderEye, kByRule, kByRule},
    {estLeftUnderEye, QT_TRANSLATE_NOOP("Steps", "Left Under Eye"),
     QT_TRANSLATE_NOOP("Steps", "Left Under Eye"), 2, estUnderNose1, kByRule, kByRule},
    {estUnderNose1, QT_TRANSLATE_NOOP("Steps", "Under Nose"),
     QT_TRANSLATE_NOOP("Steps", "Under Nose"), 2, estChin1, kByRule, kByRule},
    {estUnderNose2, QT_TRANSLATE_NOOP("Steps", "Under Nose"),
     QT_TRANSLATE_NOOP("Steps", "Under Nose"), 2, estChin2, kByRule, kByRule},
    {estChin1, QT_TRANSLATE_NOOP("Steps", "Chin"), QT_TRANSLATE_NOOP("Steps", "Chin"), 2,
     estLeftCollarbone, kByRule, kByRule},
    {estChin2, QT_TRANSLATE_NOOP("Steps", "Chin"), QT_TRANSLATE_NOOP("Steps", "Chin"), 2,
     estRightCollarbone, kByRule, kByRule},
    {estLeftCollarbone, QT_TRANSLATE_NOOP("Steps", "Left Collarbone"),
     QT_TRANSLATE_NOOP("Steps", "Left Collarbone"), 2, estLeftUnderArm, kByRule, kByRule},
    {estLeftUnderArm, QT_TRANSLATE_NOOP("Steps", "Left Under Arm"),
     QT_TRANSLATE_NOOP("Steps", "Left Under Arm"), 2, estTopHead2, kByRule, kByRule},
    {estRightEyebrow, QT_TRANSLATE_NOOP("Steps", "Right Eyebrow"),
     QT_TRANSLATE_NOOP("Steps", "Right Eyebrow"), 2, estRightEyeCorner, kByRule, kByRule},
    {estRightEyeCorner, QT_TRANSLATE_NOOP("Steps", "Right Eye Corner"),
     QT_TRANSLATE_NOOP("Steps", "Right Eye Corner"), 2, estRightUnderEye, kByRule, kByRule},
    {estRightUnderEye, QT_TRANSLATE_NOOP("Steps", "Right Under Eye"),
     QT_TRANSLATE_NOOP("Steps", "Right Under Eye"), 2, estUnderNose2, kByRule, kByRule},
    {estRightCollarbone, QT_TRANSLATE_NOOP("Steps", "Right Collarbone"),
     QT_TRANSLATE_NOOP("Steps", "Right Collarbone"), 2, estRightUnderArm, kByRule, kByRule},
    {estRightUnderArm, QT_TRANSLATE_NOOP("Steps", "Right Under Arm"),
     QT_TRANSLATE_NOOP("Steps", "Right Under Arm"), 2, estTopHead1, kByRule, kByRule},
    {estRelax, QT_TRANSLATE_NOOP("Steps", "Relax"), QT_TRANSLATE_NOOP("Steps", "Relax"), 0,
     estTopHead1, estTopHead1, estTopHead1},
    {estReassessSUD, QT_TRANSLATE_NOOP("Steps", "Reasses SUD"), "", 0, estTopHead1, estTopHead1,
     kByRule},
    {estFinish, QT_TRANSLATE_NOOP("Steps", "Finish"), QT_TRANSLATE_NOOP("Steps", "Finish"), 0,
     estIntro, estIntro, estTopHead1},
    {estExplainNegative, QT_TRANSLATE_NOOP("Steps", "Explanation of Negative Sequence"), "", 0,
     estTopHead1, estTopHead1, estLeftHand},
}};

// The table is looked up by position: every row must sit at its own step's place.
constexpr bool RowsInStepOrder() {
    for (std::size_t i = 0; i < kSteps.size(); ++i) {
        if (kSteps[i].step != static_cast<Step>(i)) return false;
    }
    return true;
}
static_assert(RowsInStepOrder(), "kSteps must list the steps in the order of the enumeration");

constexpr bool InTable(Step step) {
    return step >= estNone && step <= MAX_STEP;
}
constexpr bool HasTexts(Step step) {
    return step >= estIntro && step <= MAX_STEP;
}

const StepRow& Row(Step step) {
    return kSteps[static_cast<std::size_t>(step)];
}

// Trace lines name steps without the lookup's complaint: estNone (and anything outside the table)
// is written as its number.
QString TraceName(Step step) {
    return HasTexts(step) ? QString::fromUtf8(Row(step).name) : QString::number(step);
}

// The line is built only while tracing is on: step changes must not pay for it otherwise.
template <typename BuildLine>
void Trace(BuildLine&& buildLine) {
    if (TraceEnabled) WriteLog(buildLine());
}

// The name in the user's language, or as written here for the trace log.
QString StepName(Step penmStep, bool translated) {
    QString result;
    Trap({"modSteps", "GetStepName"}, [&] {
        if (!HasTexts(penmStep)) {
            ShowPlainMessage(QStringLiteral("GetStepName - wrong parameter passed"));
            return;
        }
        const char* name = Row(penmStep).name;
        result = translated ? QCoreApplication::translate("Steps", name) : QString::fromUtf8(name);
    });
    return result;
}

}  // namespace

QString GetStepName(Step penmStep) {
    return StepName(penmStep, true);
}

QString GetStepTraceName(Step penmStep) {
    return StepName(penmStep, false);
}

QString GetStepDescription(Step penmStep) {
    QString result;
    Trap({"modSteps", "GetStepDescription"}, [&] {
        if (!HasTexts(penmStep)) {
            ShowPlainMessage(QStringLiteral("GetStepDescription - wrong parameter passed"));
            return;
        }
        result = QCoreApplication::translate("Steps", Row(penmStep).description);
    });
    return result;
}

bool IsThisTappingStep(Step penmStep) {
    return (penmStep >= estTopHead1 && penmStep <= estRightUnderArm) || penmStep == estReassessSUD;
}

qint32 GetStepLength(Step penmStep) {
    return (penmStep >= estIntro && penmStep <= MAX_STEP) ? Row(penmStep).length : 2;
}

Step GetNextStep(Step penmStep) {
    Step result = estNone;
    Trap({"modSteps", "GetNextStep"}, [&] {
        Trace(
            [&] { return QStringLiteral("Start GetNextStep, penmStep = ") + TraceName(penmStep); });
        if (!InTable(penmStep)) {
            ShowPlainMessage(QCoreApplication::translate("Steps", "Next step not defined"));
            result = estIntro;
        } else {
            result = Row(penmStep).next;
        }
        Trace(
            [&] { return QStringLiteral("End GetNextStep, lenmNextStep = ") + TraceName(result); });
    });
    return result;
}

Step GetNextStep_Navigation(Step penmStep, RoundState& rounds) {
    Step result = estNone;
    Trap({"modSteps", "GetNextStep_Navigation"}, [&] {
        Trace([&] {
            return QStringLiteral("Start GetNextStep_Navigation, penmStep = ") +
                   TraceName(penmStep);
        });
        if (IsThisTappingStep(penmStep)) {
            if (rounds.gblnPositiveSequence) {
                result = estReassessSUD;
            } else {
                rounds.glngRoundCount = 2;
                result = estRelax;
            }
            // The reassessment counts as a tapping step for the rule above, but always goes on
            // tapping.
            if (penmStep == estReassessSUD) result = estTopHead1;
        } else if (!InTable(penmStep)) {
            ShowPlainMessage(QCoreApplication::translate("Steps", "Next step not defined"));
            result = estIntro;
        } else {
            result = Row(penmStep).nextNavigation;
        }
        Trace([&] {
            return QStringLiteral("End GetNextStep_Navigation, lenmNextStep = ") +
                   TraceName(result);
        });
    });
    return result;
}

Step GetPrevStep(Step penmStep, bool& pblnGoBackFromPositiveToNegative, RoundState& rounds) {
    Step result = estNone;
    Trap({"modSteps", "GetPrevStep"}, [&] {
        Trace([&] {
            return QStringLiteral("Start GetPrevStep, penmStep = ") + TraceName(penmStep) +
                   QStringLiteral(", pblnGoBackFromPositiveToNegative = ") +
                   (pblnGoBackFromPositiveToNegative ? QStringLiteral("True")
                                                     : QStringLiteral("False"));
        });
        pblnGoBackFromPositiveToNegative = false;
        if (IsThisTappingStep(penmStep)) {
            rounds.glngRoundCount = 0;
            if (rounds.gblnPositiveSequence) {
                result = estRelax;
                pblnGoBackFromPositiveToNegative = true;
            } else {
                result = estExplainNegative;
            }
        } else if (!InTable(penmStep)) {
            ShowPlainMessage(QCoreApplication::translate("Steps", "Previous step not defined"));
            result = estIntro;
        } else {
            result = Row(penmStep).previous;
        }
        Trace([&] {
            return QStringLiteral("Start GetPrevStep, lenmPrevStep = ") + TraceName(result);
        });
    });
    return result;
}

QString GetIntroText() {
    QString result;
    Trap({"modSteps", "GetIntroText"}, [&] {
        static constexpr const char* kParagraphs[] = {
            QT_TRANSLATE_NOOP("Steps", "Please sit up straight in a safe, quiet place and relax."),
            QT_TRANSLATE_NOOP("Steps", "Take a deep breath."),
            QT_TRANSLATE_NOOP("Steps",
                              "Expand your body - put your chest forward, head up, your feet "
                              "shoulder-width apart. Keep your whole spine straight. Place your "
                              "tongue against the roof of your mouth. Take as much space as you "
                              "can. You have right to be here. You are in charge."),
            QT_TRANSLATE_NOOP("Steps",
                              "There is no right or wrong way of working towards achiving "
                              "emotional freedom, there is only your way. You are on the right "
                              "path as long as you feel the emotions you want to clear. With time "
                              "you will clear your negative emotions and you'll achieve calmness "
                              "and peace of mind."),
            QT_TRANSLATE_NOOP("Steps",
                              "Whenever you are ready, please click anywhere on the screen or "
                              "press a spacebar or an Enter key to move to the next step."),
        };
        QStringList paragraphs;
        for (const char* paragraph : kParagraphs) {
            paragraphs.append(QCoreApplication::translate("Steps", paragraph));
        }
        result = paragraphs.join(QStringLiteral("\r\n\r\n"));
    });
    return result;
}

}  // namespace mindrova
