#include "engine/steps.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

#include "support/error_trap.h"
#include "support/modal_seam.h"
#include "support/trace_log.h"

namespace mindrova {
namespace {

// Successor columns use kRuleT / kRuleP where the tapping-step rules decide.
constexpr qint32 kRuleT = -1;
constexpr qint32 kRuleP = -2;

struct StepRow {
    const char* name;
    const char* description;
    qint32 length;
    qint32 next;
    qint32 nextNavigation;
    qint32 previous;
};

// Indexed by step id 0..MAX_STEP; estNone has no name or description of its own.
constexpr std::array<StepRow, MAX_STEP + 1> kSteps{{
    {"", "", 2, 1, 1, 1},
    {QT_TRANSLATE_NOOP("Steps", "Intro"), QT_TRANSLATE_NOOP("Steps", "Intro"), 0, 2, 2, 1},
    {QT_TRANSLATE_NOOP("Steps", "Select Issue"), "", 0, 3, 3, 1},
    {QT_TRANSLATE_NOOP("Steps", "Assign SUD"), "", 0, 4, 4, 2},
    {QT_TRANSLATE_NOOP("Steps", "Stimulate Thymus"), "", 0, 5, 5, 3},
    {QT_TRANSLATE_NOOP("Steps", "Left Hand"), QT_TRANSLATE_NOOP("Steps", "Karate chop - Left Hand"),
     10, 6, 26, 4},
    {QT_TRANSLATE_NOOP("Steps", "Right Hand"),
     QT_TRANSLATE_NOOP("Steps", "Karate chop - Right Hand"), 10, 26, 26, 4},
    {QT_TRANSLATE_NOOP("Steps", "Top Head"), QT_TRANSLATE_NOOP("Steps", "Top Head"), 2, 9, kRuleT,
     kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Top Head"), QT_TRANSLATE_NOOP("Steps", "Top Head"), 2, 18, kRuleT,
     kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Left Eyebrow"), QT_TRANSLATE_NOOP("Steps", "Left Eyebrow"), 2, 10,
     kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Left Eye Corner"), QT_TRANSLATE_NOOP("Steps", "Left Eye Corner"),
     2, 11, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Left Under Eye"), QT_TRANSLATE_NOOP("Steps", "Left Under Eye"), 2,
     12, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Under Nose"), QT_TRANSLATE_NOOP("Steps", "Under Nose"), 2, 14,
     kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Under Nose"), QT_TRANSLATE_NOOP("Steps", "Under Nose"), 2, 15,
     kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Chin"), QT_TRANSLATE_NOOP("Steps", "Chin"), 2, 16, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Chin"), QT_TRANSLATE_NOOP("Steps", "Chin"), 2, 21, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Left Collarbone"), QT_TRANSLATE_NOOP("Steps", "Left Collarbone"),
     2, 17, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Left Under Arm"), QT_TRANSLATE_NOOP("Steps", "Left Under Arm"), 2,
     8, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Right Eyebrow"), QT_TRANSLATE_NOOP("Steps", "Right Eyebrow"), 2,
     19, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Right Eye Corner"), QT_TRANSLATE_NOOP("Steps", "Right Eye Corner"),
     2, 20, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Right Under Eye"), QT_TRANSLATE_NOOP("Steps", "Right Under Eye"),
     2, 13, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Right Collarbone"), QT_TRANSLATE_NOOP("Steps", "Right Collarbone"),
     2, 22, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Right Under Arm"), QT_TRANSLATE_NOOP("Steps", "Right Under Arm"),
     2, 7, kRuleT, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Relax"), QT_TRANSLATE_NOOP("Steps", "Relax"), 0, 7, 7, 7},
    {QT_TRANSLATE_NOOP("Steps", "Reasses SUD"), "", 0, 7, 7, kRuleP},
    {QT_TRANSLATE_NOOP("Steps", "Finish"), QT_TRANSLATE_NOOP("Steps", "Finish"), 0, 1, 1, 7},
    {QT_TRANSLATE_NOOP("Steps", "Explanation of Negative Sequence"), "", 0, 7, 7, 5},
}};

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
            result = static_cast<Step>(Row(penmStep).next);
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
            result = static_cast<Step>(Row(penmStep).nextNavigation);
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
            result = static_cast<Step>(Row(penmStep).previous);
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
