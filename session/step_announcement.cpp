#include "session/step_announcement.h"

#include "engine/rounds.h"
#include "engine/steps.h"
#include "session/spoken_texts.h"
#include "session/step_presentation.h"

namespace mindrova {
namespace {

bool EndsASentence(const QString& text) {
    return text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('!')) ||
           text.endsWith(QLatin1Char('?'));
}

QString Sentence(const QString& text) {
    const QString trimmed = text.trimmed();
    return EndsASentence(trimmed) ? trimmed : trimmed + QLatin1Char('.');
}

}  // namespace

bool IsRoundPoint(Step step) {
    return PointIndexInRound(step) >= 0;
}

QString StepAnnouncement(Step step, const SessionState& state) {
    // Steps outside the procedure have no texts, and asking for them would raise a message box.
    if (step < estIntro || step > MAX_STEP) return {};
    const int point = PointOfRound(step, state.gPace.round);
    if (point >= 0) {
        QString line = QStringLiteral("Point %1 of %2: %3.")
                           .arg(point + 1)
                           .arg(PointsPerRound(state.gPace.round))
                           .arg(GetStepDescription(step));
        const QString phrase = PhraseLineForPoint(PhraseLines(step, state), point);
        if (!phrase.trimmed().isEmpty()) line += QStringLiteral(" Say: ") + Sentence(phrase);
        return line;
    }
    QString title = SegmentTitleText(step, state.gblnPositiveSequence);
    if (title.isEmpty()) title = GetStepName(step);
    const QString place = GetStepDescription(step);
    // The karate chop says where to tap beside its title.
    if (!place.isEmpty() && place != title) return QStringLiteral("Step: %1, %2").arg(title, place);
    return QStringLiteral("Step: ") + title;
}

}  // namespace mindrova
