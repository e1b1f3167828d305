#pragma once
// The fixed procedure of a session: step ids, their texts and lengths, and the successor rules.

#include <QString>
#include <QtGlobal>

namespace mindrova {

// Plain enumeration with a fixed 32-bit type: ids outside 0..MAX_STEP can still be held and are
// answered by the lookups' own out-of-range rules.
enum Step : qint32 {
    estNone = 0,
    estIntro = 1,
    estSelectIssue = 2,
    estAssignSUD = 3,
    estStimulateThymus = 4,
    estLeftHand = 5,
    estRightHand = 6,
    estTopHead1 = 7,
    estTopHead2 = 8,
    estLeftEyebrow = 9,
    estLeftEyeCorner = 10,
    estLeftUnderEye = 11,
    estUnderNose1 = 12,
    estUnderNose2 = 13,
    estChin1 = 14,
    estChin2 = 15,
    estLeftCollarbone = 16,
    estLeftUnderArm = 17,
    estRightEyebrow = 18,
    estRightEyeCorner = 19,
    estRightUnderEye = 20,
    estRightCollarbone = 21,
    estRightUnderArm = 22,
    estRelax = 23,
    estReassessSUD = 24,
    estFinish = 25,
    estExplainNegative = 26,
};

inline constexpr qint32 MAX_STEP = 26;

// The part of the session state that the Next and Back rules read and write.
struct RoundState {
    qint32 glngRoundCount = 0;
    bool gblnPositiveSequence = false;
};

QString GetStepName(Step penmStep);
// The same name as written in the program, whatever language the window speaks: the trace log's.
QString GetStepTraceName(Step penmStep);
QString GetStepDescription(Step penmStep);
bool IsThisTappingStep(Step penmStep);
qint32 GetStepLength(Step penmStep);
Step GetNextStep(Step penmStep);
Step GetNextStep_Navigation(Step penmStep, RoundState& rounds);
Step GetPrevStep(Step penmStep, bool& pblnGoBackFromPositiveToNegative, RoundState& rounds);
QString GetIntroText();

// Steps that wait for the user: the step timer stays off on them.
constexpr bool IsUntimedStep(Step step) {
    return (step >= estIntro && step <= estStimulateThymus) ||
           (step >= estRelax && step <= estExplainNegative);
}

}  // namespace mindrova
