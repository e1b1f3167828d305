#pragma once
// The user's own sessions, listed with what can be done to them: New (from an issue), Edit,
// Duplicate, Delete, Import and Export.

#include <QString>

#include "engine/issues.h"

class QWidget;

namespace mindrova {

// Runs the dialog modally over owner on the files in folder; New starts from issue and ownWords.
void ShowPersonalSessions(QWidget* owner, const QString& folder, Issue issue,
                          const QString& ownWords);

}  // namespace mindrova
