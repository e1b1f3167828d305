#include "engine/personal_session.h"

namespace mindrova {

SessionPace EffectivePace(const SessionPace& options, const PersonalSession* personal) {
    SessionPace pace = options;
    if (personal == nullptr) return pace;
    if (personal->secondsPerPoint) pace.secondsPerPoint = *personal->secondsPerPoint;
    if (personal->round) pace.round = *personal->round;
    return pace;
}

}  // namespace mindrova
