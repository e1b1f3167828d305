#include "session/spoken_texts.h"

#include <array>

#include "session/step_presentation.h"

namespace mindrova {
namespace {

const QString kParagraphBreak = QStringLiteral("\r\n\r\n");
const QString kLineBreak = QStringLiteral("\r\n");

// Engines read a plain line feed as a pause, as they do a paragraph.
QString ForSpeech(QString text) {
    return text.replace(kLineBreak, QStringLiteral("\n")).trimmed();
}

constexpr int kPointsPerRound = 16;

// The round's points in the order the timer visits them, read once from the step model.
const std::array<Step, kPointsPerRound>& RoundOrder() {
    static const std::array<Step, kPointsPerRound> order = [] {
        std::array<Step, kPointsPerRound> points{};
        Step step = estTopHead1;
        for (Step& point : points) {
            point = step;
            step = GetNextStep(step);
        }
        return points;
    }();
    return order;
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
    const QStringList paragraphs =
        StepInstructionsText(step, state).split(kParagraphBreak, Qt::SkipEmptyParts);
    for (auto it = paragraphs.crbegin(); it != paragraphs.crend(); ++it) {
        if (it->trimmed().startsWith(QStringLiteral("Even though"))) return ForSpeech(*it);
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
    if (step < estTopHead1 || step > estRightUnderArm) return -1;
    const auto& order = RoundOrder();
    for (int i = 0; i < kPointsPerRound; ++i) {
        if (order[static_cast<std::size_t>(i)] == step) return i;
    }
    return -1;
}

QString PhraseLineForPoint(const QStringList& lines, int pointIndex) {
    if (lines.isEmpty() || pointIndex < 0) return {};
    return lines[pointIndex % lines.size()];
}

}  // namespace mindrova
