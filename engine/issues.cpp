#include "engine/issues.h"

#include "support/error_trap.h"

namespace mindrova {

QString GetIssueName(Issue issue) {
    QString result;
    Trap({"modIssues", "GetIssueName"}, [&] {
        switch (issue) {
            case eisNone:
                result = QStringLiteral("NA");
                break;
            case eisAddictionsObsessions:
                result = QStringLiteral("Addiction or obsession");
                break;
            case eisAnxietyFearPanicPhobia:
                result = QStringLiteral("Anxiety, fear, panic, phobia");
                break;
            case eisDepression:
                result = QStringLiteral("Depression");
                break;
            case eisHeadaches:
                result = QStringLiteral("Headaches");
                break;
            case eisNegativeMemory:
                result = QStringLiteral("Negative memory");
                break;
            case eisPTSD:
                result = QStringLiteral("PTSD");
                break;
            case eisGlossophobia:
                result = QStringLiteral("Public Speaking");
                break;
            case eisRageAnger:
                result = QStringLiteral("Rage or anger");
                break;
            case eisSelfEsteem:
                result = QStringLiteral("Self-esteem issues");
                break;
            case eisTrauma:
                result = QStringLiteral("Trauma");
                break;
            case eisGuilt:
                result = QStringLiteral("Guilt");
                break;
            case eisPTSDTrauma:
                result = QStringLiteral("PTSD, Trauma");
                break;
        }
    });
    return result;
}

Issue IssueOptIndexToEnum(int optionIndex) {
    if (optionIndex < 1 || optionIndex > ISSUE_OPTION_COUNT) return eisNone;
    return static_cast<Issue>(10 * optionIndex);
}

int IssueEnumToOptIndex(Issue issue) {
    if (issue < eisAddictionsObsessions || issue > eisPTSDTrauma || issue % 10 != 0) return 0;
    return issue / 10;
}

Issue GetDefaultIssue() {
    return eisNegativeMemory;
}

}  // namespace mindrova
