#include "personal/personal_from_issue.h"

#include "session/session_state.h"
#include "session/spoken_texts.h"

namespace mindrova {

QList<Issue> OfferedIssues() {
    return {eisAddictionsObsessions, eisAnxietyFearPanicPhobia, eisDepression,
            eisGuilt,                eisHeadaches,              eisNegativeMemory,
            eisPTSDTrauma,           eisGlossophobia,           eisRageAnger,
            eisSelfEsteem};
}

PersonalSession PersonalSessionFromIssue(Issue issue, const QString& ownWords) {
    // The texts are read as a session of that issue shows them, so both always agree.
    SessionState state;
    state.genmSelectedIssue = issue;
    state.gstrOwnWords = ownWords;
    PersonalSession session;
    session.title = GetIssueName(issue);
    state.genmCurrentStep = estLeftHand;
    session.setup = SetupStatementSpeech(estLeftHand, state);
    state.genmCurrentStep = estTopHead1;
    state.gblnPositiveSequence = false;
    session.negative = PhraseLines(estTopHead1, state);
    state.gblnPositiveSequence = true;
    session.positive = PhraseLines(estTopHead1, state);
    return session;
}

}  // namespace mindrova
