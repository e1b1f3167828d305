#include "engine/issues.h"

#include <QCoreApplication>

#include "support/error_trap.h"

namespace mindrova {

namespace {

// The name as written in the program; null for an id outside the catalogue.
const char* IssueSourceName(Issue issue) {
    const char* result = nullptr;
    switch (issue) {
        case eisNone:
            result = QT_TRANSLATE_NOOP("Issues", "NA");
            break;
        case eisAddictionsObsessions:
            result = QT_TRANSLATE_NOOP("Issues", "Addiction or obsession");
            break;
        case eisAnxietyFearPanicPhobia:
            result = QT_TRANSLATE_NOOP("Issues", "Anxiety, fear, panic, phobia");
            break;
        case eisDepression:
            result = QT_TRANSLATE_NOOP("Issues", "Depression");
            break;
        case eisHeadaches:
            result = QT_TRANSLATE_NOOP("Issues", "Headaches");
            break;
        case eisNegativeMemory:
            result = QT_TRANSLATE_NOOP("Issues", "Negative memory");
            break;
        case eisPTSD:
            result = QT_TRANSLATE_NOOP("Issues", "PTSD");
            break;
        case eisGlossophobia:
            result = QT_TRANSLATE_NOOP("Issues", "Public Speaking");
            break;
        case eisRageAnger:
            result = QT_TRANSLATE_NOOP("Issues", "Rage or anger");
            break;
        case eisSelfEsteem:
            result = QT_TRANSLATE_NOOP("Issues", "Self-esteem issues");
            break;
        case eisTrauma:
            result = QT_TRANSLATE_NOOP("Issues", "Trauma");
            break;
        case eisGuilt:
            result = QT_TRANSLATE_NOOP("Issues", "Guilt");
            break;
        case eisPTSDTrauma:
            result = QT_TRANSLATE_NOOP("Issues", "PTSD, Trauma");
            break;
    }
    return result;
}

QString IssueName(Issue issue, bool translated) {
    QString result;
    Trap({"modIssues", "GetIssueName"}, [&] {
        const char* name = IssueSourceName(issue);
        if (name == nullptr) return;
        result = translated ? QCoreApplication::translate("Issues", name) : QString::fromUtf8(name);
    });
    return result;
}

}  // namespace

QString GetIssueName(Issue issue) {
    return IssueName(issue, true);
}

QString GetIssueRecordName(Issue issue) {
    return IssueName(issue, false);
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
