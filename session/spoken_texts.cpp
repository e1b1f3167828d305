#include "session/spoken_texts.h"

#include <QCoreApplication>

#include "engine/rounds.h"
#include "session/chosen_work.h"
#include "session/step_presentation.h"

namespace mindrova {
namespace {

const QString kParagraphBreak = QStringLiteral("\r\n\r\n");
const QString kLineBreak = QStringLiteral("\r\n");

// Engines read a plain line feed as a pause, as they do a paragraph.
QString ForSpeech(QString text) {
    return text.replace(kLineBreak, QStringLiteral("\n")).trimmed();
}

}  // namespace

QString UntimedStepSpeech(Step step, const SessionState& state) {
    QString title = (step >= estIntro && step <= MAX_STEP)
                        ? SegmentTitleText(step, state.gblnPositiveSequence)
                        : QString();
    QString text = ForSpeech(StepInstructionsText(step, state));
    if (title.isEmpty()) return text;
    if (text.isEmpty()) return title;
    return title + QStringLiteral(".\n\n") + text;
}

QString SetupStatementSpeech(Step step, const SessionState& state) {
    if (step == estLeftHand || step == estRightHand) return ForSpeech(ChosenSetUpStatement(state));
    const QStringList paragraphs =
        StepInstructionsText(step, state).split(kParagraphBreak, Qt::SkipEmptyParts);
    const QString opening = QCoreApplication::translate(
        "Issues", "Even though", "the words every set-up statement begins with");
    for (auto it = paragraphs.crbegin(); it != paragraphs.crend(); ++it) {
        if (it->trimmed().startsWith(opening)) return ForSpeech(*it);
    }
    return paragraphs.isEmpty() ? QString() : ForSpeech(paragraphs.back());
}

QStringList PhraseLines(Step step, const SessionState& state) {
    // The tapping text is an instruction paragraph followed by the block.
    const QString text = StepInstructionsText(step, state);
    const qsizetype blockStart = text.indexOf(kParagraphBreak);
    if (blockStart < 0) return {};
    QStringList lines;
    for (const QString& line :
         text.mid(blockStart + kParagraphBreak.size()).split(kLineBreak, Qt::SkipEmptyParts)) {
        const QString spoken = line.trimmed();
        if (!spoken.isEmpty()) lines << spoken;
    }
    return lines;
}

int PointIndexInRound(Step step) {
    return PointOfRound(step, RoundKind::Full);
}

int PointIndexInRound(const SessionState& state) {
    return PointOfRound(state.genmCurrentStep, state.gPace.round);
}

QString PhraseLineForPoint(const QStringList& lines, int pointIndex) {
    if (lines.isEmpty() || pointIndex < 0) return {};
    return lines[pointIndex % lines.size()];
}

}  // namespace mindrova
