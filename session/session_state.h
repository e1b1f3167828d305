#pragma once
// The state of one session; the controller owns the one instance.

#include <QList>
#include <QString>

#include <optional>

#include "engine/issues.h"
#include "engine/personal_session.h"
#include "engine/steps.h"

namespace mindrova {

struct SessionState : RoundState {
    Step genmCurrentStep = estNone;
    Issue genmSelectedIssue = eisNone;
    qint32 glngStepLength = 0;
    qint32 glngSecondsInStep = 0;
    qint32 glngMilliseconds = 0;    // toward the next second, in steps of 10
    qint32 glngElapsedSeconds = 0;  // since the window loaded; never reset
    QString gstrOwnWords;           // the user's words for the set-up statement; empty: none
    // The rating taken when the session moved on from Assign SUD (-1 before that), and each
    // rating taken when it moved on from Reassess SUD since then, in order.
    qint16 gintFirstSUD = -1;
    QList<qint16> gintLaterSUDs;
    // A session of the user's own in the issue's place; none: the selected issue holds.
    std::optional<PersonalSession> gPersonal;
    // The pace the rounds run at: the chosen options, with the personal session's own values
    // over them, each within its range.
    SessionPace gPace;
};

}  // namespace mindrova
