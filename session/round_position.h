#pragma once
// Where a tapping point stands in its round, for a sighted user who follows the round on the
// screen: the point's place and the round's number, and which line of the shown text is the one
// said on this point (the line spoken guidance and the screen reader say there).

#include <QString>
#include <QStringList>

#include "session/session_state.h"

namespace mindrova {

// The negative rounds are always two; the positive ones run until the user moves on.
inline constexpr int NEGATIVE_ROUNDS = 2;
// The room kept under the point's name for the line with its place in the round, in twips at
// the usual text size.
inline constexpr double ROUND_POSITION_LINE_HEIGHT = 360;

// "Point 4 of 16 · Round 1" in a positive round, counted from the first positive one;
// "Point 4 of 16 · Round 1 of 2" in a negative round. Without a round number where the count
// does not fit the polarity. Empty on any step that is not a point of a round.
QString RoundPositionText(const SessionState& state);

// A tapping point's shown instructions (lines parted by "\n": the instruction, an empty line,
// then the block) split into lines, with the index of the line said on the point of this place
// in its round: the block's lines are read one a point, starting again at the first when they
// run out, empty lines skipped. said is -1 where the text has no block or the place is none.
struct FollowedLines {
    QStringList lines;
    int said = -1;
};
FollowedLines LinesToFollow(const QString& shownText, int pointIndex);

}  // namespace mindrova
