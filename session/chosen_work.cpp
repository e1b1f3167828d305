#include "session/chosen_work.h"

namespace mindrova {
namespace {

// A line break inside a personal text would split one line of the block into two points, and a
// tab or other control character means nothing to a label or a voice: each becomes a space.
QString OnOneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = QLatin1Char(' ');
        }
    }
    return line.trimmed();
}

}  // namespace

QString ChosenTitle(const SessionState& state) {
    if (state.gPersonal) return OnOneLine(state.gPersonal->title);
    return GetIssueName(state.genmSelectedIssue);
}

QString ChosenRecordTitle(const SessionState& state) {
    if (state.gPersonal) return OnOneLine(state.gPersonal->title);
    return GetIssueRecordName(state.genmSelectedIssue);
}

QString ChosenOwnWords(const SessionState& state) {
    return state.gPersonal ? QString() : state.gstrOwnWords;
}

QString ChosenSetUpStatement(const SessionState& state) {
    if (state.gPersonal) return OnOneLine(state.gPersonal->setup);
    return GetSetUpStatement(state.genmSelectedIssue, state.gstrOwnWords);
}

QString ChosenActivationText(const SessionState& state) {
    if (state.gPersonal) return GetStringForOwnActivationStep(ChosenSetUpStatement(state));
    return GetStringForActivationStep(state.genmSelectedIssue, state.gstrOwnWords);
}

QString ChosenPhraseBlock(const SessionState& state) {
    const bool positive = state.gblnPositiveSequence;
    if (state.gPersonal) {
        return PersonalLines(positive ? state.gPersonal->positive : state.gPersonal->negative)
            .join(QStringLiteral("\r\n"));
    }
    return positive ? GetStringForPositiveSequence(state.genmSelectedIssue)
                    : GetStringForNegativeSequence(state.genmSelectedIssue);
}

QStringList PersonalLines(const QStringList& lines) {
    QStringList said;
    said.reserve(lines.size());
    for (const QString& line : lines) {
        QString one = OnOneLine(line);
        if (!one.isEmpty()) said << std::move(one);
    }
    return said;
}

}  // namespace mindrova
