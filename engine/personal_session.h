#pragma once
// A session of the user's own: a title in the place, a set-up statement, the lines said
// in the negative and positive rounds, and optionally its own pace.

#include <QString>
#include <QStringList>
#include <optional>

namespace mindrova {

// How many of the sixteen points a round taps: all of them, or one side's eight, the left side
// in one round and the right side in the next.
enum class RoundKind { Full, OneSide };

inline constexpr int SECONDS_PER_POINT_MIN = 1;
inline constexpr int SECONDS_PER_POINT_MAX = 10;
inline constexpr int SECONDS_PER_POINT_DEFAULT = 2;

// The pace of the rounds. The defaults are the fixed procedure's own.
struct SessionPace {
    int secondsPerPoint = SECONDS_PER_POINT_DEFAULT;
    RoundKind round = RoundKind::Full;
    friend bool operator==(const SessionPace&, const SessionPace&) = default;
};

inline constexpr int PERSONAL_LINES_MIN = 1;
inline constexpr int PERSONAL_LINES_MAX = 32;
inline constexpr int PERSONAL_LINE_MAX_LENGTH = 200;  // characters (code points)

struct PersonalSession {
    QString title;
    QString setup;
    QStringList negative;
    QStringList positive;
    // Absent: the pace chosen in the session options holds.
    std::optional<int> secondsPerPoint;
    std::optional<RoundKind> round;
    friend bool operator==(const PersonalSession&, const PersonalSession&) = default;
};

// The pace a session runs at: the personal session's own values win over the chosen options.
SessionPace EffectivePace(const SessionPace& options, const PersonalSession* personal);

}  // namespace mindrova
