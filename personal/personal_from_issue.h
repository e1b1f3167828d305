#pragma once
// A personal session begun from one of the built-in issues, so that a person edits words that
// already work rather than writes from nothing.

#include <QList>
#include <QString>

#include "engine/issues.h"
#include "engine/personal_session.h"

namespace mindrova {

// The issues Select Issue offers, from the top of its list.
QList<Issue> OfferedIssues();

// The issue's name as the title, its set-up statement ("Even though ...", with the own words
// where given) and its phrase blocks one line per point, as a session shows and says them. The
// pace is left to the session options.
PersonalSession PersonalSessionFromIssue(Issue issue, const QString& ownWords);

}  // namespace mindrova
