#include "support/error_trap.h"
#include "engine/issues.h"
#include "engine/phrase_blocks.h"

namespace mindrova {
namespace {

const QString kBlank = QStringLiteral("\r\n\r\n");

// An issue's set-up statement, and how it begins when the user's own words complete it: the
// lead-in names the issue, the words follow it as an aside between commas. The placeholder forms
// in the statements stand for those words, so none of them is kept in the lead-in.
struct SetUpStatement {
    QString statement;
    QString ownWordsLeadIn;
};

SetUpStatement SetUpStatementOf(Issue issue) {
    switch (issue) {
        case eisAddictionsObsessions:
            return {QStringLiteral("I have this addiction (obsession) [your problem here] "),
                    QStringLiteral("I have this addiction, ")};
        case eisAnxietyFearPanicPhobia:
            return {QStringLiteral("I have this anxiety (fear, panic, phobia)"),
                    QStringLiteral("I have this anxiety, ")};
        case eisDepression:
            return {QStringLiteral("I have this depression"),
                    QStringLiteral("I have this depression, ")};
        case eisHeadaches:
            return {QStringLiteral("I have this headache"), QStringLiteral("I have this headache, ")};
        case eisNegativeMemory:
            return {QStringLiteral("I have this negative memory [your problem here]"),
                    QStringLiteral("I have this negative memory, ")};
        case eisPTSD:
        case eisPTSDTrauma:
            return {QStringLiteral("I was exposed to this traumatic event [your trauma here]"),
                    QStringLiteral("I was exposed to this traumatic event, ")};
        case eisGlossophobia:
            return {QStringLiteral("I have this fear of public speaking"),
                    QStringLiteral("I have this fear of public speaking, ")};
        case eisRageAnger:
            return {QStringLiteral("I have this anger [your problem here]"),
                    QStringLiteral("I have this anger, ")};
        case eisSelfEsteem:
            return {QStringLiteral("I have so low self esteem"),
                    QStringLiteral("I have so low self esteem, ")};
        case eisTrauma:
            return {QStringLiteral("I have this trauma [your problem here]"),
                    QStringLiteral("I have this trauma, ")};
        case eisGuilt:
            return {QStringLiteral("I have this guilt"), QStringLiteral("I have this guilt, ")};
        case eisNone:
            break;
    }
    return {QStringLiteral("... ") + QStringLiteral("[your problem here]"), QStringLiteral("... ")};
}

// The closing sentence of every statement; it starts with its own space.
const QString kSelfAcceptance = QStringLiteral(" I love and accept myself with all my heart.");

// The words are joined in, never searched or replaced in: whatever they hold (brackets that look
// like a placeholder included) is said once, exactly as typed.
QString SetUpSentence(Issue issue, const QString& ownWords) {
    const SetUpStatement statement = SetUpStatementOf(issue);
    if (ownWords.isEmpty()) {
        return QStringLiteral("Even though ") + statement.statement + kSelfAcceptance;
    }
    return QStringLiteral("Even though ") + statement.ownWordsLeadIn + ownWords + u',' +
           kSelfAcceptance;
}

// What the karate-chop step asks, up to the statement the user repeats.
QString KarateChopInstructions() {
    return QStringLiteral("Relax your shoulders. They shouldn't move when breathing.") + kBlank +
           QStringLiteral("Relax muscles of your face. Relax your jaw.") + kBlank +
           QStringLiteral(
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
    if (issue == eisPTSD) return crlf + QStringLiteral("(PTSD)") + crlf + polarity + kBlank;
    if (issue == eisTrauma) return crlf + QStringLiteral("(Trauma)") + crlf + polarity + kBlank;
    return crlf + QStringLiteral("()") + kBlank;
}

QString SequenceText(Issue issue, bool positive) {
    const PhraseProcedures procedures = ProceduresOf(issue);
    const BlockProcedure procedure = positive ? procedures.positive : procedures.negative;
    if (procedure != nullptr) return procedure();
    return PlaceholderBlock(issue,
                            positive ? QStringLiteral("Positive") : QStringLiteral("Negative"));
}

}  // namespace

QString GetStringForActivationStep(Issue issue) {
    return GetStringForActivationStep(issue, QString());
}

QString GetStringForActivationStep(Issue issue, const QString& ownWords) {
    QString result;
    Trap({"modIssues", "GetStringForActivationStep"}, [&] {
        if (issue == eisHeadaches) {
            result += QStringLiteral("Headaches are the number one reason we visit our doctors.") +
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
