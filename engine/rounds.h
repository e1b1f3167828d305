#pragma once
// How the tapping points fall into rounds, and how long each step lasts at a given pace. The
// points are visited in the step table's order whatever the kind of round: a full round is the
// sixteen points from the first Top Head, and with one side a round ends after the left side's
// eight points and the next one taps the right side's eight. Only where a round begins, and so
// the round count, the point's place in its round and the phrase line it says, differ.

#include <QtGlobal>

#include "engine/personal_session.h"
#include "engine/steps.h"

namespace mindrova {

inline constexpr int POINTS_IN_FULL_ROUND = 16;
inline constexpr int POINTS_ON_ONE_SIDE = 8;

// A point of the rounds: Top Head to Right Under Arm (the reassessment is not one).
constexpr bool IsTappingPoint(Step step) {
    return step >= estTopHead1 && step <= estRightUnderArm;
}

int PointsPerRound(RoundKind round);

// The point's place in its round, 0 for the round's first point; -1 for any other step.
int PointOfRound(Step step, RoundKind round);

// Entering this step begins a new round (and counts it).
bool StartsRound(Step step, RoundKind round);

// The pace with a seconds-per-point value outside the allowed range brought to its nearer end,
// and an unknown kind of round read as a full one.
SessionPace BoundedPace(const SessionPace& pace);

// The length of a step in seconds: a tapping point lasts the pace's seconds per point, every
// other step its own length from the step table.
qint32 GetStepLength(Step step, const SessionPace& pace);

}  // namespace mindrova
