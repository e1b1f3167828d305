#pragma once
// The pace chosen in the Session options dialog: group [Session] of the settings file. A value
// missing, unknown or out of range reads as the default, which is the procedure's own pace.

#include <QString>
#include <optional>

#include "engine/personal_session.h"

namespace mindrova {

SessionPace LoadSessionOptions();
// False when a value could not be written.
bool SaveSessionOptions(const SessionPace& pace);

// "full" and "one-side", as the settings file and a personal session's file keep them.
QString RoundKindName(RoundKind round);
std::optional<RoundKind> ParseRoundKind(const QString& name);

// Seconds per point as they may be used: the default for anything outside 1..10.
int ValidSecondsPerPoint(int seconds);

}  // namespace mindrova
