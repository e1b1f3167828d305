#pragma once
// What the session works on: the issue selected in the list, or a personal session chosen in
// its place. Every text that names or says the work comes from here, so the window, the voice,
// the screen-reader lines and the journal never decide between the two themselves.

#include <QString>
#include <QStringList>

#include "session/session_state.h"

namespace mindrova {

// The name the work goes by: the name, or the personal session's title.
QString ChosenTitle(const SessionState& state);
// The same as the journal keeps it: a built-in issue by its English name, whatever the language
// of the window, so that entries read the same after the language changes.
QString ChosenRecordTitle(const SessionState& state);

// The words the user added to the set-up statement; a personal session's statement is said as
// written, so it has none.
QString ChosenOwnWords(const SessionState& state);

// The set-up statement the user repeats on the karate-chop steps.
QString ChosenSetUpStatement(const SessionState& state);

// The karate-chop step's whole text, ending with the set-up statement.
QString ChosenActivationText(const SessionState& state);

// The phrase block of the session's polarity, one line to a CR LF.
QString ChosenPhraseBlock(const SessionState& state);

// A personal session's lines as they are said: each on one line, trimmed, blank ones left out.
QStringList PersonalLines(const QStringList& lines);

}  // namespace mindrova
