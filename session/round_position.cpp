#include "session/round_position.h"

#include <QCoreApplication>

#include "engine/rounds.h"
#include "session/spoken_texts.h"

namespace mindrova {

QString RoundPositionText(const SessionState& state) {
    const int point = PointIndexInRound(state);
    if (point < 0) return {};
    const QString number = QString::number(point + 1);
    const QString count = QString::number(PointsPerRound(state.gPace.round));
    const qint32 round =
        state.gblnPositiveSequence ? state.glngRoundCount - NEGATIVE_ROUNDS : state.glngRoundCount;
    const bool known =
        state.gblnPositiveSequence ? round >= 1 : round >= 1 && round <= NEGATIVE_ROUNDS;
    if (!known) {
        return QCoreApplication::translate("Rounds", "Point %1 of %2").arg(number, count);
    }
    if (state.gblnPositiveSequence) {
        return QCoreApplication::translate("Rounds", "Point %1 of %2 · Round %3")
            .arg(number, count, QString::number(round));
    }
    return QCoreApplication::translate("Rounds", "Point %1 of %2 · Round %3 of %4")
        .arg(number, count, QString::number(round), QString::number(NEGATIVE_ROUNDS));
}

FollowedLines LinesToFollow(const QString& shownText, int pointIndex) {
    FollowedLines result;
    result.lines = shownText.split(QLatin1Char('\n'));
    // The instruction paragraph ends at the first empty line; the block follows it.
    const qsizetype blockStart = result.lines.indexOf(QString());
    if (blockStart < 0 || pointIndex < 0) return result;
    QList<int> said;
    for (qsizetype i = blockStart + 1; i < result.lines.size(); ++i) {
        if (!result.lines[i].trimmed().isEmpty()) said << int(i);
    }
    if (!said.isEmpty()) result.said = said[pointIndex % said.size()];
    return result;
}

}  // namespace mindrova
