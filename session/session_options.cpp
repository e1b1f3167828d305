#include "session/session_options.h"

#include "support/settings_store.h"

namespace mindrova {
namespace {

QString SessionKey() {
    return QString(PROGRAM_KEY) + QStringLiteral("\\Session");
}

const QString kSecondsPerPoint = QStringLiteral("SecondsPerPoint");
const QString kRound = QStringLiteral("Round");

}  // namespace

QString RoundKindName(RoundKind round) {
    return round == RoundKind::OneSide ? QStringLiteral("one-side") : QStringLiteral("full");
}

std::optional<RoundKind> ParseRoundKind(const QString& name) {
    const QString wanted = name.trimmed().toLower();
    if (wanted == QLatin1String("full")) return RoundKind::Full;
    if (wanted == QLatin1String("one-side")) return RoundKind::OneSide;
    return std::nullopt;
}

int ValidSecondsPerPoint(int seconds) {
    return seconds >= SECONDS_PER_POINT_MIN && seconds <= SECONDS_PER_POINT_MAX
               ? seconds
               : SECONDS_PER_POINT_DEFAULT;
}

SessionPace LoadSessionOptions() {
    SessionPace pace;
    pace.secondsPerPoint = ValidSecondsPerPoint(ReadDWordValue(
        RegistryRoot::HKEY_CURRENT_USER, SessionKey(), kSecondsPerPoint, SECONDS_PER_POINT_DEFAULT));
    const QString round =
        ReadStringValue(RegistryRoot::HKEY_CURRENT_USER, SessionKey(), kRound, {});
    pace.round = ParseRoundKind(round).value_or(RoundKind::Full);
    return pace;
}

bool SaveSessionOptions(const SessionPace& pace) {
    const bool seconds =
        SaveDWordValue(RegistryRoot::HKEY_CURRENT_USER, SessionKey(), kSecondsPerPoint,
                       ValidSecondsPerPoint(pace.secondsPerPoint)) == SAVE_SUCCEEDED;
    const bool round = SaveStringValue(RegistryRoot::HKEY_CURRENT_USER, SessionKey(), kRound,
                                       RoundKindName(pace.round)) == SAVE_SUCCEEDED;
    return seconds && round;
}

}  // namespace mindrova
