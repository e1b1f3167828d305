#include "session/step_announcement.h"

#include <QCoreApplication>

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
        const QString number = QString::number(point + 1);
        const QString count = QString::number(PointsPerRound(state.gPace.round));
        const QString phrase = PhraseLineForPoint(PhraseLines(step, state), point);
        if (phrase.trimmed().isEmpty()) {
            return QCoreApplication::translate("Announcements", "Point %1 of %2: %3.")
                .arg(number, count, GetStepDescription(step));
        }
        return QCoreApplication::translate("Announcements", "Point %1 of %2: %3. Say: %4")
            .arg(number, count, GetStepDescription(step), Sentence(phrase));
    }
    QString title = SegmentTitleText(step, state.gblnPositiveSequence);
    if (title.isEmpty()) title = GetStepName(step);
    const QString place = GetStepDescription(step);
    // The karate chop says where to tap beside its title.
    if (!place.isEmpty() && place != title) {
        return QCoreApplication::translate("Announcements", "Step: %1, %2").arg(title, place);
    }
    return QCoreApplication::translate("Announcements", "Step: %1").arg(title);
}

}  // namespace mindrova
