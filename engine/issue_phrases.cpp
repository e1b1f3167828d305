#include <QCoreApplication>

#include "engine/issues.h"
#include "engine/phrase_blocks.h"
#include "support/error_trap.h"

namespace mindrova {
namespace {

const QString kBlank = QStringLiteral("\r\n\r\n");

// An issue's set-up statement as one whole sentence, and the same sentence with the user's own
// words (%1) completing it: the lead-in names the issue, the words follow it as an aside between
// commas. The placeholder forms in the statements stand for those words, so none of them is kept
// in the second form.
struct SetUpStatement {
    const char* statement;
    const char* withOwnWords;
};

SetUpStatement SetUpStatementOf(Issue issue) {
    switch (issue) {
        case eisAddictionsObsessions:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this addiction (obsession) [your problem "
                                      "here]  I love and accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this addiction, %1, I love and accept "
                                      "myself with all my heart.")};
        case eisAnxietyFearPanicPhobia:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this anxiety (fear, panic, phobia) I "
                                      "love and accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this anxiety, %1, I love and accept "
                                      "myself with all my heart.")};
        case eisDepression:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this depression I love and accept myself "
                                      "with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this depression, %1, I love and accept "
                                      "myself with all my heart.")};
        case eisHeadaches:
            return {
                QT_TRANSLATE_NOOP(
                    "Issues",
                    "Even though I have this headache I love and accept myself with all my heart."),
                QT_TRANSLATE_NOOP("Issues",
                                  "Even though I have this headache, %1, I love and accept myself "
                                  "with all my heart.")};
        case eisNegativeMemory:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this negative memory [your problem here] "
                                      "I love and accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this negative memory, %1, I love and "
                                      "accept myself with all my heart.")};
        case eisPTSD:
        case eisPTSDTrauma:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I was exposed to this traumatic event [your "
                                      "trauma here] I love and accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I was exposed to this traumatic event, %1, I "
                                      "love and accept myself with all my heart.")};
        case eisGlossophobia:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this fear of public speaking I love and "
                                      "accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this fear of public speaking, %1, I love "
                                      "and accept myself with all my heart.")};
        case eisRageAnger:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this anger [your problem here] I love "
                                      "and accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this anger, %1, I love and accept myself "
                                      "with all my heart.")};
        case eisSelfEsteem:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have so low self esteem I love and accept "
                                      "myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have so low self esteem, %1, I love and "
                                      "accept myself with all my heart.")};
        case eisTrauma:
            return {QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this trauma [your problem here] I love "
                                      "and accept myself with all my heart."),
                    QT_TRANSLATE_NOOP("Issues",
                                      "Even though I have this trauma, %1, I love and accept "
                                      "myself with all my heart.")};
        case eisGuilt:
            return {
                QT_TRANSLATE_NOOP(
                    "Issues",
                    "Even though I have this guilt I love and accept myself with all my heart."),
                QT_TRANSLATE_NOOP("Issues",
                                  "Even though I have this guilt, %1, I love and accept myself "
                                  "with all my heart.")};
        case eisNone:
            break;
    }
    return {QT_TRANSLATE_NOOP(
                "Issues",
                "Even though ... [your problem here] I love and accept myself with all my heart."),
            QT_TRANSLATE_NOOP("Issues",
                              "Even though ... %1, I love and accept myself with all my heart.")};
}

// The words are put in by the placeholder, never searched or replaced in: whatever they hold
// (brackets that look like a placeholder, or a percent sign and digit, included) is said once,
// exactly as typed.
QString SetUpSentence(Issue issue, const QString& ownWords) {
    const SetUpStatement statement = SetUpStatementOf(issue);
    if (ownWords.isEmpty()) return QCoreApplication::translate("Issues", statement.statement);
    return QCoreApplication::translate("Issues", statement.withOwnWords).arg(ownWords);
}

// What the karate-chop step asks, up to the statement the user repeats.
QString KarateChopInstructions() {
    return QCoreApplication::translate("Issues",
                                       "Relax your shoulders. They shouldn't move when breathing.") +
           kBlank +
           QCoreApplication::translate("Issues", "Relax muscles of your face. Relax your jaw.") +
           kBlank +
           QCoreApplication::translate(
               "Issues",
               "Breath deeply and lightly tap with the index finger and middle finger a "
               "'karate chop' point, repeating the introduction sentence:") +
           kBlank;
}

using BlockProcedure = QString (*)();

// The phrase procedures of an issue, negative first; both null for issues without their own.
struct PhraseProcedures {
    BlockProcedure negative = nullptr;
    BlockProcedure positive = nullptr;
};

PhraseProcedures ProceduresOf(Issue issue) {
    switch (issue) {
        case eisAddictionsObsessions:
            return {GetStringForNegativeSeq_AddictionsObsessions,
                    GetStringForPositiveSeq_AddictionsObsessions};
        case eisAnxietyFearPanicPhobia:
            return {GetStringForNegativeSeq_AnxietyFearPanicPhobia,
                    GetStringForPositiveSeq_AnxietyFearPanicPhobia};
        case eisDepression:
            return {GetStringForNegativeSeq_Depression, GetStringForPositiveSeq_Depression};
        case eisHeadaches:
            return {GetStringForNegativeSeq_Headaches, GetStringForPositiveSeq_Headaches};
        case eisNegativeMemory:
            return {GetStringForNegativeSeq_NegativeMemory, GetStringForPositiveSeq_NegativeMemory};
        case eisGlossophobia:
            return {GetStringForNegativeSeq_Glossophobia, GetStringForPositiveSeq_Glossophobia};
        case eisRageAnger:
            return {GetStringForNegativeSeq_RageAnger, GetStringForPositiveSeq_RageAnger};
        case eisSelfEsteem:
            return {GetStringForNegativeSeq_SelfEsteem, GetStringForPositiveSeq_SelfEsteem};
        case eisGuilt:
            return {GetStringForNegativeSeq_Guilt, GetStringForPositiveSeq_Guilt};
        case eisPTSDTrauma:
            return {GetStringForNegativeSeq_PTSD, GetStringForPositiveSeq_PTSD};
        case eisNone:
        case eisPTSD:
        case eisTrauma:
            break;
    }
    return {};
}

// Issues without phrases of their own show a placeholder block naming them.
QString PlaceholderBlock(Issue issue, const QString& polarity) {
    const QString crlf = QStringLiteral("\r\n");
    if (issue == eisPTSD) {
        return crlf + QCoreApplication::translate("Phrases", "(PTSD)") + crlf + polarity + kBlank;
    }
    if (issue == eisTrauma) {
        return crlf + QCoreApplication::translate("Phrases", "(Trauma)") + crlf + polarity + kBlank;
    }
    return crlf + QStringLiteral("()") + kBlank;
}

QString SequenceText(Issue issue, bool positive) {
    const PhraseProcedures procedures = ProceduresOf(issue);
    const BlockProcedure procedure = positive ? procedures.positive : procedures.negative;
    if (procedure != nullptr) return procedure();
    return PlaceholderBlock(issue, positive ? QCoreApplication::translate("Phrases", "Positive")
                                            : QCoreApplication::translate("Phrases", "Negative"));
}

}  // namespace

QString GetStringForActivationStep(Issue issue) {
    return GetStringForActivationStep(issue, QString());
}

QString GetStringForActivationStep(Issue issue, const QString& ownWords) {
    QString result;
    Trap({"modIssues", "GetStringForActivationStep"}, [&] {
        if (issue == eisHeadaches) {
            result += QCoreApplication::translate(
                          "Issues", "Headaches are the number one reason we visit our doctors.") +
                      kBlank;
        }
        result += KarateChopInstructions() + SetUpSentence(issue, ownWords);
    });
    return result;
}

QString GetSetUpStatement(Issue issue, const QString& ownWords) {
    QString result;
    Trap({"modIssues", "GetSetUpStatement"}, [&] { result = SetUpSentence(issue, ownWords); });
    return result;
}

QString GetStringForOwnActivationStep(const QString& statement) {
    QString result;
    Trap({"modIssues", "GetStringForOwnActivationStep"},
         [&] { result = KarateChopInstructions() + statement; });
    return result;
}

QString GetStringForNegativeSequence(Issue issue) {
    QString result;
    Trap({"modIssues", "GetStringForNegativeSequence"},
         [&] { result = SequenceText(issue, false); });
    return result;
}

QString GetStringForPositiveSequence(Issue issue) {
    QString result;
    Trap({"modIssues", "GetStringForPositiveSequence"},
         [&] { result = SequenceText(issue, true); });
    return result;
}

}  // namespace mindrova
