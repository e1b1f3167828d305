#include "session/rating_lines.h"

#include <QCoreApplication>

namespace mindrova {

QString FirstRatingLine(Step step, const SessionState& state) {
    if (step != estReassessSUD || state.gintFirstSUD < 0) return {};
    return QCoreApplication::translate("Ratings", "At the start you rated it %1.")
        .arg(state.gintFirstSUD);
}

QString RatingChangeLine(Step step, const SessionState& state) {
    if (step != estFinish || state.gintFirstSUD < 0 || state.gintLaterSUDs.isEmpty()) return {};
    return QCoreApplication::translate("Ratings", "Your rating went from %1 to %2.")
        .arg(state.gintFirstSUD)
        .arg(state.gintLaterSUDs.last());
}

}  // namespace mindrova
