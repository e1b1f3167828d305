#pragma once
// What the voice says on each step, drawn from what the window shows so that both always agree.

#include <QString>
#include <QStringList>

#include "session/session_state.h"

namespace mindrova {

// A step that waits for the user: its title, then its instruction text.
QString UntimedStepSpeech(Step step, const SessionState& state);

// A karate-chop step: its set-up statement ("Even though ..."), the paragraph the user repeats.
QString SetupStatementSpeech(Step step, const SessionState& state);

// The lines of the phrase block shown on a tapping point, without empty lines.
QStringList PhraseLines(Step step, const SessionState& state);

// A tapping point's place in a full round, 0 for the first Top Head to 15 for the last point;
// -1 for any other step.
int PointIndexInRound(Step step);
// The current point's place in its round at the session's pace (0 to 7 with one side a round).
int PointIndexInRound(const SessionState& state);

// The line a point speaks: the block read line after line from the round's first point, starting
// again at its first line when it runs out. Empty when the block has no lines.
QString PhraseLineForPoint(const QStringList& lines, int pointIndex);

}  // namespace mindrova
