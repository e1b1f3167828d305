#pragma once
// The catalogue of issues a session can work on, and the texts the user repeats for each.

#include <QString>
#include <QtGlobal>

namespace mindrova {

enum Issue : qint32 {
    eisNone = 0,
    eisAddictionsObsessions = 10,
    eisAnxietyFearPanicPhobia = 20,
    eisDepression = 30,
    eisHeadaches = 40,
    eisNegativeMemory = 50,
    eisPTSD = 60,
    eisGlossophobia = 70,
    eisRageAnger = 80,
    eisSelfEsteem = 90,
    eisTrauma = 100,
    eisGuilt = 110,
    eisPTSDTrauma = 120,
};

inline constexpr int ISSUE_OPTION_COUNT = 12;

QString GetIssueName(Issue issue);
// The same name as written in the program, whatever language the window speaks: what the journal
// keeps, so that its entries read the same in every language.
QString GetIssueRecordName(Issue issue);
Issue IssueOptIndexToEnum(int optionIndex);
int IssueEnumToOptIndex(Issue issue);
Issue GetDefaultIssue();

// Karate-chop instructions with the issue's set-up statement.
QString GetStringForActivationStep(Issue issue);
// The same with the user's own words said in the statement; empty words give the text above.
QString GetStringForActivationStep(Issue issue, const QString& ownWords);
// The set-up statement alone ("Even though ..."), as the karate-chop text ends with it.
QString GetSetUpStatement(Issue issue, const QString& ownWords);
// Karate-chop instructions ending with a statement of the user's own, said as written.
QString GetStringForOwnActivationStep(const QString& statement);
QString GetStringForNegativeSequence(Issue issue);
QString GetStringForPositiveSequence(Issue issue);

}  // namespace mindrova
