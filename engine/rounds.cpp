#include "engine/rounds.h"

#include <algorithm>
#include <array>

namespace mindrova {
namespace {

// The full round's points in the order the timer visits them, read once from the step table.
const std::array<Step, POINTS_IN_FULL_ROUND>& FullRoundOrder() {
    static const std::array<Step, POINTS_IN_FULL_ROUND> order = [] {
        std::array<Step, POINTS_IN_FULL_ROUND> points{};
        Step step = estTopHead1;
        for (Step& point : points) {
            point = step;
            step = GetNextStep(step);
        }
        return points;
    }();
    return order;
}

int PointOfFullRound(Step step) {
    if (!IsTappingPoint(step)) return -1;
    const auto& order = FullRoundOrder();
    const auto found = std::find(order.begin(), order.end(), step);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

}  // namespace

int PointsPerRound(RoundKind round) {
    return round == RoundKind::OneSide ? POINTS_ON_ONE_SIDE : POINTS_IN_FULL_ROUND;
}

int PointOfRound(Step step, RoundKind round) {
    const int point = PointOfFullRound(step);
    return point < 0 ? point : point % PointsPerRound(round);
}

bool StartsRound(Step step, RoundKind round) {
    return PointOfRound(step, round) == 0;
}

SessionPace BoundedPace(const SessionPace& pace) {
    SessionPace bounded = pace;
    bounded.secondsPerPoint =
        std::clamp(pace.secondsPerPoint, SECONDS_PER_POINT_MIN, SECONDS_PER_POINT_MAX);
    if (bounded.round != RoundKind::OneSide) bounded.round = RoundKind::Full;
    return bounded;
}

qint32 GetStepLength(Step step, const SessionPace& pace) {
    return IsTappingPoint(step) ? BoundedPace(pace).secondsPerPoint : GetStepLength(step);
}

}  // namespace mindrova
