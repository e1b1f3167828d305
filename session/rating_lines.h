#pragma once
// The two lines that remind the user of their ratings: the first one while they rate again, and
// the change once they have finished.

#include <QString>

#include "session/session_state.h"

namespace mindrova {

// "At the start you rated it N." on Reassess SUD once a first rating was taken; else empty.
QString FirstRatingLine(Step step, const SessionState& state);

// "Your rating went from N to M." on Finish once the user has rated again; else empty.
QString RatingChangeLine(Step step, const SessionState& state);

}  // namespace mindrova
